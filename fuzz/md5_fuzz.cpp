// The digest of bytes fed in pieces, at any alignment, with empty and
// negative calls between, is the digest of the same bytes fed at once.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "cmdcode/md5/md5.hpp"
#include "fuzz_check.hpp"

using cmdcode::fuzz::require;

namespace {

void digestOf(const void* bytes, std::int32_t length, unsigned char digest[16]) {
  cmdcode::Md5Context context;
  cmdcode::md5Init(context);
  cmdcode::md5Update(context, bytes, length);
  cmdcode::md5Final(context, digest);
}

void checkPieces(std::uint8_t control, const std::uint8_t* data, std::int32_t size) {
  unsigned char whole[16];
  digestOf(data, size, whole);

  // A heap copy of exactly the bytes, shifted off alignment by 0 to 3.
  const int offset = control & 3;
  auto storage = std::make_unique<unsigned char[]>(static_cast<std::size_t>(size) + 3);
  unsigned char* const bytes = storage.get() + offset;
  std::memcpy(bytes, data, static_cast<std::size_t>(size));

  cmdcode::Md5Context context;
  cmdcode::md5Init(context);
  std::uint32_t pieceState = control >> 2;
  for (std::int32_t at = 0; at < size;) {
    pieceState = pieceState * 1103515245u + 12345u;
    const std::int32_t piece = std::min<std::int32_t>(size - at, (pieceState >> 16) % 150);
    cmdcode::md5Update(context, bytes + at, piece);
    cmdcode::md5Update(context, bytes + at + piece, -piece);
    at += piece;
  }
  require(context.bitCount[0] == static_cast<std::uint32_t>(size) * 8u);
  unsigned char pieces[16];
  cmdcode::md5Final(context, pieces);
  require(std::memcmp(whole, pieces, 16) == 0);
}

// md5Hex renders the digest of the text up to its first NUL into exactly 33 bytes.
void checkHex(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  char area[37];
  std::memset(area, '#', sizeof area);
  cmdcode::md5Hex(text.c_str(), area + 2);
  require(area[0] == '#' && area[1] == '#' && area[2 + 32] == '\0' && area[35] == '#' &&
          area[36] == '#');

  unsigned char digest[16];
  digestOf(text.c_str(), static_cast<std::int32_t>(std::strlen(text.c_str())), digest);
  static const char kDigits[] = "0123456789abcdef";
  for (int i = 0; i < 16; ++i) {
    require(area[2 + 2 * i] == kDigits[digest[i] >> 4]);
    require(area[3 + 2 * i] == kDigits[digest[i] & 15]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > (1u << 20)) return 0;
  checkPieces(data[0], data + 1, static_cast<std::int32_t>(size - 1));
  checkHex(data, size);
  return 0;
}

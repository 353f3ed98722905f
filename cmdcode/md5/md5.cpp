#include "cmdcode/md5/md5.hpp"

#include <cstring>

#include "cmdcode/text/text.hpp"

namespace cmdcode {

namespace {

using Word = std::uint32_t;

// The padding of every message starts with a one bit and continues with zeros.
constexpr unsigned char kPad[64] = {0x80};

// Message words are little-endian whatever the host's byte order; building
// them from bytes also reads a block at any address without alignment faults.
Word littleEndianWord(const unsigned char* bytes) {
  return static_cast<Word>(bytes[0]) | static_cast<Word>(bytes[1]) << 8 |
         static_cast<Word>(bytes[2]) << 16 | static_cast<Word>(bytes[3]) << 24;
}

void storeLittleEndian(Word word, unsigned char* bytes) {
  bytes[0] = static_cast<unsigned char>(word);
  bytes[1] = static_cast<unsigned char>(word >> 8);
  bytes[2] = static_cast<unsigned char>(word >> 16);
  bytes[3] = static_cast<unsigned char>(word >> 24);
}

Word byteIndex(const Md5Context& context) { return (context.bitCount[0] >> 3) & 63; }

// The four rounds of RFC 1321, one step being a = b + ((a + f(b, c, d) + x + t) <<< s).
// Macros rather than functions keep the 64 steps inline in unoptimised
// builds too, where a call per step more than doubles the time per block.
#define MD5_F(b, c, d) (((b) & (c)) | (~(b) & (d)))
#define MD5_G(b, c, d) (((b) & (d)) | ((c) & ~(d)))
#define MD5_H(b, c, d) ((b) ^ (c) ^ (d))
#define MD5_I(b, c, d) ((c) ^ ((b) | ~(d)))
#define MD5_STEP(f, a, b, c, d, x, s, t)          \
  do {                                            \
    (a) += f((b), (c), (d)) + (x) + (t);          \
    (a) = (b) + ((a) << (s) | (a) >> (32 - (s))); \
  } while (false)
#define FF(a, b, c, d, x, s, t) MD5_STEP(MD5_F, a, b, c, d, x, s, t)
#define GG(a, b, c, d, x, s, t) MD5_STEP(MD5_G, a, b, c, d, x, s, t)
#define HH(a, b, c, d, x, s, t) MD5_STEP(MD5_H, a, b, c, d, x, s, t)
#define II(a, b, c, d, x, s, t) MD5_STEP(MD5_I, a, b, c, d, x, s, t)

// Compresses one 64-byte block, which may start at any address, into `state`.
// Each message word is used four times, so the block is decoded once into
// local words rather than re-read from the caller's bytes at every step.
void md5Transform(Word state[4], const unsigned char* block) {
  Word x[16];
  for (int i = 0; i < 16; ++i) x[i] = littleEndianWord(block + 4 * i);

  Word a = state[0];
  Word b = state[1];
  Word c = state[2];
  Word d = state[3];

  FF(a, b, c, d, x[0], 7, 0xd76aa478);
  FF(d, a, b, c, x[1], 12, 0xe8c7b756);
  FF(c, d, a, b, x[2], 17, 0x242070db);
  FF(b, c, d, a, x[3], 22, 0xc1bdceee);
  FF(a, b, c, d, x[4], 7, 0xf57c0faf);
  FF(d, a, b, c, x[5], 12, 0x4787c62a);
  FF(c, d, a, b, x[6], 17, 0xa8304613);
  FF(b, c, d, a, x[7], 22, 0xfd469501);
  FF(a, b, c, d, x[8], 7, 0x698098d8);
  FF(d, a, b, c, x[9], 12, 0x8b44f7af);
  FF(c, d, a, b, x[10], 17, 0xffff5bb1);
  FF(b, c, d, a, x[11], 22, 0x895cd7be);
  FF(a, b, c, d, x[12], 7, 0x6b901122);
  FF(d, a, b, c, x[13], 12, 0xfd987193);
  FF(c, d, a, b, x[14], 17, 0xa679438e);
  FF(b, c, d, a, x[15], 22, 0x49b40821);

  GG(a, b, c, d, x[1], 5, 0xf61e2562);
  GG(d, a, b, c, x[6], 9, 0xc040b340);
  GG(c, d, a, b, x[11], 14, 0x265e5a51);
  GG(b, c, d, a, x[0], 20, 0xe9b6c7aa);
  GG(a, b, c, d, x[5], 5, 0xd62f105d);
  GG(d, a, b, c, x[10], 9, 0x02441453);
  GG(c, d, a, b, x[15], 14, 0xd8a1e681);
  GG(b, c, d, a, x[4], 20, 0xe7d3fbc8);
  GG(a, b, c, d, x[9], 5, 0x21e1cde6);
  GG(d, a, b, c, x[14], 9, 0xc33707d6);
  GG(c, d, a, b, x[3], 14, 0xf4d50d87);
  GG(b, c, d, a, x[8], 20, 0x455a14ed);
  GG(a, b, c, d, x[13], 5, 0xa9e3e905);
  GG(d, a, b, c, x[2], 9, 0xfcefa3f8);
  GG(c, d, a, b, x[7], 14, 0x676f02d9);
  GG(b, c, d, a, x[12], 20, 0x8d2a4c8a);

  HH(a, b, c, d, x[5], 4, 0xfffa3942);
  HH(d, a, b, c, x[8], 11, 0x8771f681);
  HH(c, d, a, b, x[11], 16, 0x6d9d6122);
  HH(b, c, d, a, x[14], 23, 0xfde5380c);
  HH(a, b, c, d, x[1], 4, 0xa4beea44);
  HH(d, a, b, c, x[4], 11, 0x4bdecfa9);
  HH(c, d, a, b, x[7], 16, 0xf6bb4b60);
  HH(b, c, d, a, x[10], 23, 0xbebfbc70);
  HH(a, b, c, d, x[13], 4, 0x289b7ec6);
  HH(d, a, b, c, x[0], 11, 0xeaa127fa);
  HH(c, d, a, b, x[3], 16, 0xd4ef3085);
  HH(b, c, d, a, x[6], 23, 0x04881d05);
  HH(a, b, c, d, x[9], 4, 0xd9d4d039);
  HH(d, a, b, c, x[12], 11, 0xe6db99e5);
  HH(c, d, a, b, x[15], 16, 0x1fa27cf8);
  HH(b, c, d, a, x[2], 23, 0xc4ac5665);

  II(a, b, c, d, x[0], 6, 0xf4292244);
  II(d, a, b, c, x[7], 10, 0x432aff97);
  II(c, d, a, b, x[14], 15, 0xab9423a7);
  II(b, c, d, a, x[5], 21, 0xfc93a039);
  II(a, b, c, d, x[12], 6, 0x655b59c3);
  II(d, a, b, c, x[3], 10, 0x8f0ccc92);
  II(c, d, a, b, x[10], 15, 0xffeff47d);
  II(b, c, d, a, x[1], 21, 0x85845dd1);
  II(a, b, c, d, x[8], 6, 0x6fa87e4f);
  II(d, a, b, c, x[15], 10, 0xfe2ce6e0);
  II(c, d, a, b, x[6], 15, 0xa3014314);
  II(b, c, d, a, x[13], 21, 0x4e0811a1);
  II(a, b, c, d, x[4], 6, 0xf7537e82);
  II(d, a, b, c, x[11], 10, 0xbd3af235);
  II(c, d, a, b, x[2], 15, 0x2ad7d2bb);
  II(b, c, d, a, x[9], 21, 0xeb86d391);

  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
}

#undef FF
#undef GG
#undef HH
#undef II
#undef MD5_STEP
#undef MD5_F
#undef MD5_G
#undef MD5_H
#undef MD5_I

}  // namespace

void md5Init(Md5Context& context) {
  context.bitCount[0] = 0;
  context.bitCount[1] = 0;
  context.state[0] = 0x67452301;
  context.state[1] = 0xefcdab89;
  context.state[2] = 0x98badcfe;
  context.state[3] = 0x10325476;
}

void md5Update(Md5Context& context, const void* bytes, std::int32_t length) {
  const Word index = byteIndex(context);
  if (length <= 0) return;

  const auto count = static_cast<Word>(length);
  const Word addedBits = count << 3;
  context.bitCount[0] += addedBits;
  if (context.bitCount[0] < addedBits) ++context.bitCount[1];
  context.bitCount[1] += count >> 29;

  auto input = static_cast<const unsigned char*>(bytes);
  Word remaining = count;
  if (index > 0) {
    const Word taken = remaining < 64 - index ? remaining : 64 - index;
    std::memcpy(context.buffer + index, input, taken);
    if (index + taken < 64) return;
    md5Transform(context.state, context.buffer);
    input += taken;
    remaining -= taken;
  }
  for (; remaining >= 64; input += 64, remaining -= 64) md5Transform(context.state, input);
  std::memcpy(context.buffer, input, remaining);
}

void md5Final(Md5Context& context, unsigned char digest[16]) {
  // Captured first: feeding the padding raises the count.
  unsigned char lengthBytes[8];
  storeLittleEndian(context.bitCount[0], lengthBytes);
  storeLittleEndian(context.bitCount[1], lengthBytes + 4);

  // Enough padding to leave the index at 56, where the length completes the block.
  const Word index = byteIndex(context);
  const Word padLength = index < 56 ? 56 - index : 120 - index;
  md5Update(context, kPad, static_cast<std::int32_t>(padLength));
  md5Update(context, lengthBytes, 8);

  for (int i = 0; i < 4; ++i) storeLittleEndian(context.state[i], digest + 4 * i);
}

void md5Hex(const char* text, char* out) {
  Md5Context context;
  md5Init(context);
  md5Update(context, text, textLength(text));
  unsigned char digest[16];
  md5Final(context, digest);

  constexpr char kHexDigits[] = "0123456789abcdef";
  for (int i = 0; i < 16; ++i) {
    out[2 * i] = kHexDigits[digest[i] >> 4];
    out[2 * i + 1] = kHexDigits[digest[i] & 0x0f];
  }
  out[32] = '\0';
}

}  // namespace cmdcode

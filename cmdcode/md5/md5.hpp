// MD5 message digest (RFC 1321) over bytes fed in any number of pieces.
#pragma once

#include <cstdint>

namespace cmdcode {

struct Md5Context {
  std::uint32_t bitCount[2];  // message length in bits, low word first
  std::uint32_t state[4];     // chaining value A, B, C, D
  unsigned char buffer[64];   // bytes of the incomplete block
};

void md5Init(Md5Context& context);

// A length of 0 or below does nothing. `bytes` needs no alignment.
void md5Update(Md5Context& context, const void* bytes, std::int32_t length);

// Pads, appends the length and writes the 16-byte digest.
void md5Final(Md5Context& context, unsigned char digest[16]);

// 32 lowercase hexadecimal digits of the digest of `text` (up to its first
// NUL) and a terminator: exactly 33 bytes written to `out`.
void md5Hex(const char* text, char* out);

}  // namespace cmdcode

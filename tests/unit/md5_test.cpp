#include "cmdcode/md5/md5.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using cmdcode::Md5Context;
using cmdcode::md5Final;
using cmdcode::md5Hex;
using cmdcode::md5Init;
using cmdcode::md5Update;

std::string hexOf(const unsigned char digest[16]) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (int i = 0; i < 16; ++i) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 15];
  }
  return hex;
}

std::string hexOfFinal(Md5Context& context) {
  unsigned char digest[16];
  md5Final(context, digest);
  return hexOf(digest);
}

std::string digestInOneCall(const void* bytes, std::int32_t length) {
  Md5Context context;
  md5Init(context);
  md5Update(context, bytes, length);
  return hexOfFinal(context);
}

std::string md5HexOf(const char* text) {
  char out[33];
  md5Hex(text, out);
  return std::string(out);
}

// Messages with every byte value but NUL, so that they also pass as texts.
std::string message(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(1 + (i * 37 + 11) % 255);
  return bytes;
}

struct KnownDigest {
  const char* text;
  const char* hex;
};

TEST(Md5Hex, GivesTheDigestsOfTheRfcTestSuite) {
  const KnownDigest cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const KnownDigest& c : cases) EXPECT_EQ(md5HexOf(c.text), c.hex) << '"' << c.text << '"';
}

struct LengthDigest {
  std::size_t length;
  const char* hex;
};

// Lengths around the block and padding boundaries: 55 takes the single pad
// byte, 56 a whole extra block of padding, 64 and 120 extra blocks as well.
// Reference digests from md5sum over message(length).
constexpr LengthDigest kLengthDigests[] = {
    {55, "736e715bef8b9044537f4d4a3ecc2459"},  {56, "6c0890a3e330cc3b992783dc89fcab30"},
    {57, "c64d34beed33a92f15ada938cbd36459"},  {63, "fe8e35db3774e7613113d1b09e6666f3"},
    {64, "293b93bb510c2089a09504c512c52fd9"},  {65, "15167918b4405c14f97763d0c44f56dd"},
    {119, "8cec034f0bbf67f243ac56c7156207b5"}, {120, "fb89af3955d9ff397ac79ef0d17a0454"},
    {200, "0b75ca5a69a82b19b5950b7f7a2ce135"},
};

TEST(Md5Length, GivesStandardDigestsAroundBlockBoundaries) {
  for (const LengthDigest& c : kLengthDigests) {
    const std::string bytes = message(c.length);
    EXPECT_EQ(digestInOneCall(bytes.data(), static_cast<std::int32_t>(c.length)), c.hex)
        << c.length;
    EXPECT_EQ(md5HexOf(bytes.c_str()), c.hex) << c.length;
  }
}

TEST(Md5Pieces, AnySplitGivesTheDigestOfOneCall) {
  const std::string bytes = message(140);  // crosses two block boundaries
  const std::string whole = digestInOneCall(bytes.data(), 140);
  for (std::int32_t first = 0; first <= 140; ++first) {
    for (std::int32_t second = first; second <= 140; ++second) {
      Md5Context context;
      md5Init(context);
      md5Update(context, bytes.data(), first);
      md5Update(context, bytes.data() + first, 0);
      md5Update(context, bytes.data() + first, second - first);
      md5Update(context, bytes.data() + second, -1);
      md5Update(context, bytes.data() + second, 140 - second);
      ASSERT_EQ(hexOfFinal(context), whole) << first << ' ' << second;
    }
  }
}

TEST(Md5Pieces, OneByteAtATimeGivesTheDigestOfOneCall) {
  for (const LengthDigest& c : kLengthDigests) {
    const std::string bytes = message(c.length);
    Md5Context context;
    md5Init(context);
    for (char byte : bytes) md5Update(context, &byte, 1);
    EXPECT_EQ(hexOfFinal(context), c.hex) << c.length;
  }
}

TEST(Md5Update, LengthZeroOrBelowLeavesEveryByteOfTheContext) {
  const std::string bytes = message(100);
  Md5Context context;
  std::memset(&context, 0xA5, sizeof context);
  md5Init(context);
  md5Update(context, bytes.data(), 75);  // a block done and 11 bytes buffered
  Md5Context before;
  std::memcpy(&before, &context, sizeof context);
  for (std::int32_t length : {0, -1, -64, INT32_MIN}) {
    md5Update(context, bytes.data(), length);
    EXPECT_EQ(std::memcmp(&before, &context, sizeof context), 0) << length;
  }
  md5Update(context, nullptr, 0);
  EXPECT_EQ(std::memcmp(&before, &context, sizeof context), 0);
}

TEST(Md5Update, ReadsUnalignedInputLikeAlignedInput) {
  const std::string bytes = message(200);
  const char* expected = "0b75ca5a69a82b19b5950b7f7a2ce135";
  alignas(16) unsigned char storage[256];
  for (int offset = 0; offset < 4; ++offset) {
    std::memcpy(storage + offset, bytes.data(), bytes.size());
    // Whole blocks straight from the input.
    EXPECT_EQ(digestInOneCall(storage + offset, 200), expected) << offset;
    // One byte first, so that the rest passes through the buffer and the
    // whole blocks after it start at yet another alignment.
    Md5Context context;
    md5Init(context);
    md5Update(context, storage + offset, 1);
    md5Update(context, storage + offset + 1, 199);
    EXPECT_EQ(hexOfFinal(context), expected) << offset;
  }
}

TEST(Md5BitCount, CarriesIntoTheHighWord) {
  Md5Context context;
  md5Init(context);
  const unsigned char byte = 0;
  md5Update(context, &byte, 1);
  EXPECT_EQ(context.bitCount[0], 8u);
  EXPECT_EQ(context.bitCount[1], 0u);

  // One byte short of 2^29 bytes, then the byte that wraps the low word.
  context.bitCount[0] = 0xFFFFFFF8u;
  md5Update(context, &byte, 1);
  EXPECT_EQ(context.bitCount[0], 0u);
  EXPECT_EQ(context.bitCount[1], 1u);
}

// 2^29 bytes make 2^32 bits: the low word wraps to 0 and the length field
// carries the high word into the digest. Reference from md5sum over 512 MiB
// of zeros.
TEST(Md5BitCount, HalfAGibibyteInPiecesCountsAndHashesRight) {
  const std::vector<unsigned char> zeros(1 << 20);
  Md5Context context;
  md5Init(context);
  for (int i = 0; i < 512; ++i) md5Update(context, zeros.data(), 1 << 20);
  EXPECT_EQ(context.bitCount[0], 0u);
  EXPECT_EQ(context.bitCount[1], 1u);
  EXPECT_EQ(hexOfFinal(context), "aa559b4e3523a6c931f08f4df52d58f2");
}

TEST(Md5Hex, HashesTextOnlyUpToItsFirstNul) {
  const char text[] = "abc\0def";
  EXPECT_EQ(md5HexOf(text), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(Md5Hex, WritesExactly33Bytes) {
  char area[40];
  std::memset(area, '#', sizeof area);
  md5Hex("abc", area + 3);
  EXPECT_EQ(std::string(area, 3), "###");
  EXPECT_EQ(std::string(area + 3, 32), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(area[3 + 32], '\0');
  EXPECT_EQ(std::string(area + 36, 4), "####");
}

}  // namespace

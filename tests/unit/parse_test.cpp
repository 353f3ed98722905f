#include "cmdcode/text/parse.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

using cmdcode::parseInt;
using cmdcode::parseInteger;
using cmdcode::parseReal;

constexpr std::uint64_t bitsOf(double value) { return std::bit_cast<std::uint64_t>(value); }

struct ParseCase {
  const char* text;
  std::int32_t integer;
  std::uint64_t realBits;  // compared bit for bit, so -0.0 differs from 0.0
};

// Every reading here follows from the three rounded operations per digit and
// the one rounded multiplication by 0.1 per fraction digit; where that differs
// from the nearest double of the decimal number the bits are given.
constexpr ParseCase kCases[] = {
    {"", 0, bitsOf(0.0)},
    {"abc", 0, bitsOf(0.0)},
    {"-", 0, 0x8000000000000000},
    {"-0", 0, bitsOf(-0.0)},
    {"abc-", 0, bitsOf(-0.0)},
    {"12a3", 123, bitsOf(123.0)},
    {"1e5", 15, bitsOf(15.0)},
    {"--5", -5, bitsOf(-5.0)},
    {"5-", 5, bitsOf(5.0)},
    {"1-2", 12, bitsOf(12.0)},
    {"a-5", -5, bitsOf(-5.0)},
    {" - 7", -7, bitsOf(-7.0)},
    {"1.", 1, bitsOf(1.0)},
    {".5", 5, bitsOf(0.5)},
    {"-.5", -5, bitsOf(-0.5)},
    {".-5", -5, bitsOf(-0.5)},
    {"1,5", 15, bitsOf(1.5)},
    {"3,5 kg", 35, bitsOf(3.5)},
    {"-2.25", -225, bitsOf(-2.25)},
    {"0.3", 3, 0x3FD3333333333334},
    {"1.2", 12, 0x3FF3333333333334},
    {"12.34", 1234, 0x4028AE147AE147AF},
    {"0,001", 1, 0x3F50624DD2F1A9FD},
    {"1.2.3", 123, 0x3FF3AE147AE147AF},
    {"1,000.5", 10005, 0x3FF0020C49BA5E37},
    {"2147483647", 2147483647, bitsOf(2147483647.0)},
    {"2147483648", -2147483647 - 1, bitsOf(2147483648.0)},
    {"-2147483648", -2147483647 - 1, bitsOf(-2147483648.0)},
    {"4294967295", -1, bitsOf(4294967295.0)},
    {"4294967296", 0, bitsOf(4294967296.0)},
    {"99999999999", 1215752191, bitsOf(99999999999.0)},
    // Adding the code and then taking 48 away, each rounded, lands here;
    // adding the digit's value in one step would give ...424.
    {"88984868869947428", 1264631844, 0x4373C23444B60C03},
    // A minus after the first digit, even a zero, no longer counts.
    {"0-5", 5, bitsOf(5.0)},
    // 3 * 2^32 + 7: the multiples of 2^32 vanish from the integer only.
    {"12884901895", 7, bitsOf(12884901895.0)},
    {"-12884901895", -7, bitsOf(-12884901895.0)},
    {"+5", 5, bitsOf(5.0)},
    // Bytes from 0x80 up are neither digits nor minus signs.
    {"\xB2"
     "5\xAD",
     5, bitsOf(5.0)},
    {"\xAD"
     "5",
     5, bitsOf(5.0)},
};

TEST(ParseTable, IntegerReadsEveryDigitByTheLeadingMinusRule) {
  for (const ParseCase& c : kCases) {
    EXPECT_EQ(parseInteger(c.text), c.integer) << '"' << c.text << '"';
  }
}

TEST(ParseTable, IntForwardsToInteger) {
  for (const ParseCase& c : kCases) {
    EXPECT_EQ(parseInt(c.text), c.integer) << '"' << c.text << '"';
  }
}

TEST(ParseTable, RealMatchesBitForBit) {
  for (const ParseCase& c : kCases) {
    EXPECT_EQ(bitsOf(parseReal(c.text)), c.realBits)
        << '"' << c.text << "\" gave " << parseReal(c.text);
  }
}

}  // namespace

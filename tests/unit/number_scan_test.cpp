#include "cmdcode/text/number_scan.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace {

using cmdcode::detail::scanInteger;
using cmdcode::detail::scanReal;

std::uint64_t bitsOf(double value) { return std::bit_cast<std::uint64_t>(value); }

// The scanners are given the characters the console delivered, without a
// terminator: a heap block of exactly that size lets the address sanitizer
// catch any read past the count.
std::unique_ptr<char[]> exactCopy(const std::string& chars) {
  auto copy = std::make_unique<char[]>(chars.size());
  std::memcpy(copy.get(), chars.data(), chars.size());
  return copy;
}

std::int32_t scanInteger32(const std::string& chars) {
  auto copy = exactCopy(chars);
  return static_cast<std::int32_t>(scanInteger(copy.get(), static_cast<int>(chars.size())));
}

double scanRealOf(const std::string& chars) {
  auto copy = exactCopy(chars);
  return scanReal(copy.get(), static_cast<int>(chars.size()));
}

struct IntegerCase {
  const char* chars;
  std::int32_t expected;
};

constexpr IntegerCase kIntegerCases[] = {
    {"42", 42},
    {"42\r\n", 42},
    {"  -17xyz", -17},
    {"+8", 8},
    {"", 0},
    {"\r\n", 0},
    {"abc", 0},
    {"- 5", 0},
    {"+-5", 0},
    {"--5", 0},
    {"\t\n\v\f\r 7", 7},
    // 0x08 and 0x0E lie just outside the blanks.
    {"\b7", 0},
    {"\x0e"
     "7",
     0},
    {"2147483647", 2147483647},
    {"2147483648", -2147483647 - 1},
    {"-2147483648", -2147483647 - 1},
    {"4294967297", 1},
    {"-4294967297", -1},
    {"12345678901234567890", -350287150},
    {"0x10", 0},
    {"1 000", 1},
    {"007", 7},
};

TEST(NumberScanInteger, ReadsSignAndDigitsAfterBlanks) {
  for (const IntegerCase& c : kIntegerCases) {
    EXPECT_EQ(scanInteger32(c.chars), c.expected) << '"' << c.chars << '"';
  }
}

TEST(NumberScanInteger, WrapsModulo2To64BeforeTheCallerKeeps32Bits) {
  EXPECT_EQ(scanInteger("12345678901234567890", 20),
            static_cast<std::int64_t>(12345678901234567890ull));
  EXPECT_EQ(scanInteger("18446744073709551617", 20), 1);
  EXPECT_EQ(scanInteger("-9223372036854775808", 20), std::numeric_limits<std::int64_t>::min());
}

struct RealCase {
  const char* chars;
  double expected;  // compared bit for bit
};

const double kInfinity = std::numeric_limits<double>::infinity();

const RealCase kRealCases[] = {
    {"3.5", 3.5},
    {" -2.5e3", -2500.0},
    {"1.5d2", 150.0},
    {"1.5D2", 150.0},
    {"1.5E-2", 0.015},
    {".5", 0.5},
    {"5.", 5.0},
    {"+.5e1", 5.0},
    {"1,5", 1.0},
    {"1.2.3", 1.2},
    {"1e", 1.0},
    {"1e+", 1.0},
    {"1d-", 1.0},
    {"1e 5", 1.0},
    {"1e+-5", 1.0},
    {"3.5\r\n", 3.5},
    // Nearest doubles, unlike the lenient reader's repeated tenths.
    {"0.1", 0.1},
    {"0.3", 0.3},
    {"12.34", 12.34},
    {"1e400", kInfinity},
    {"-1e400", -kInfinity},
    {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"1.7976931348623159e308", kInfinity},
    {"1e-400", 0.0},
    {"-1e-400", -0.0},
    {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    // Just above and just below half the smallest denormal.
    {"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},
    {"2.4703282292062327e-324", 0.0},
    {"2.2250738585072014e-308", std::numeric_limits<double>::min()},
    {"1e99999999999999999999", kInfinity},
    {"1e-99999999999999999999", 0.0},
    {"0e99999999999999999999", 0.0},
    {"-0", -0.0},
    {"-0.0e5", -0.0},
    {"", 0.0},
    {"\r\n", 0.0},
    {".", 0.0},
    {"-.", 0.0},
    {"e5", 0.0},
    {"- 5", 0.0},
    {"abc", 0.0},
    {"inf", 0.0},
    {"-inf", 0.0},
    {"nan", 0.0},
    {"infinity", 0.0},
    {"0x10", 0.0},
    {"0x1p3", 0.0},
};

TEST(NumberScanReal, ReadsTheLongestNumberAndRoundsToNearest) {
  for (const RealCase& c : kRealCases) {
    EXPECT_EQ(bitsOf(scanRealOf(c.chars)), bitsOf(c.expected))
        << '"' << c.chars << "\" gave " << scanRealOf(c.chars);
  }
}

// Digit runs longer than the conversion keeps must still round as a whole.
TEST(NumberScanReal, LongDigitRunsRoundAsAWhole) {
  const std::string zeros(1000, '0');
  // 2^53 + 1 lies halfway between two doubles: ties go to the even 2^53,
  // while any non-zero digit far behind tips it up to 2^53 + 2.
  EXPECT_EQ(scanRealOf("9007199254740993." + zeros), 9007199254740992.0);
  EXPECT_EQ(scanRealOf("9007199254740993." + zeros + "1"), 9007199254740994.0);
  EXPECT_EQ(scanRealOf("9007199254740993" + zeros + "1e-1001"), 9007199254740994.0);
  EXPECT_EQ(scanRealOf(zeros + "1"), 1.0);
  EXPECT_EQ(scanRealOf("0." + zeros + "1e1001"), 1.0);
  EXPECT_EQ(scanRealOf("1" + zeros + "e-1000"), 1.0);
  EXPECT_EQ(scanRealOf("1" + zeros), kInfinity);
  EXPECT_EQ(scanRealOf("0." + zeros + "1"), 0.0);
  EXPECT_EQ(scanRealOf(std::string(5000, '9') + "e-5000"), 1.0);
}

// The characters after the count are digits that would change every result.
TEST(NumberScanCount, StopsAtTheCount) {
  const char chars[] = "-12.5e3999";
  EXPECT_EQ(scanInteger(chars, 0), 0);
  EXPECT_EQ(scanInteger(chars, 1), 0);
  EXPECT_EQ(scanInteger(chars, 2), -1);
  EXPECT_EQ(scanInteger(chars, 3), -12);
  EXPECT_EQ(scanInteger(chars, -5), 0);

  EXPECT_EQ(scanReal(chars, 0), 0.0);
  EXPECT_EQ(scanReal(chars, 2), -1.0);
  EXPECT_EQ(scanReal(chars, 4), -12.0);
  EXPECT_EQ(scanReal(chars, 5), -12.5);
  EXPECT_EQ(scanReal(chars, 6), -12.5);
  EXPECT_EQ(scanReal(chars, 7), -12500.0);
  EXPECT_EQ(scanReal(chars, -5), 0.0);
}

}  // namespace

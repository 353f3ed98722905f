#include "cmdcode/text/number_text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace cmdcode::detail {
namespace {

// Buffers of exactly the documented size, so that the address sanitizer
// catches any byte written past them.
std::string integerString(std::int64_t value) {
  std::array<char, kMaxIntegerText + 1> buffer;
  const int length = integerText(value, buffer.data());
  EXPECT_EQ(length, static_cast<int>(std::strlen(buffer.data())));
  return buffer.data();
}

std::string unsignedString(std::uint64_t value) {
  std::array<char, kMaxIntegerText + 1> buffer;
  const int length = unsignedText(value, buffer.data());
  EXPECT_EQ(length, static_cast<int>(std::strlen(buffer.data())));
  return buffer.data();
}

std::string realString(double value) {
  std::array<char, kMaxRealText + 1> buffer;
  const int length = realText(value, buffer.data());
  EXPECT_EQ(length, static_cast<int>(std::strlen(buffer.data())));
  return buffer.data();
}

TEST(NumberTextInteger, WritesPlainDecimalOverTheWholeRange) {
  constexpr auto kMin64 = std::numeric_limits<std::int64_t>::min();
  constexpr auto kMax64 = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(integerString(0), "0");
  EXPECT_EQ(integerString(-1), "-1");
  EXPECT_EQ(integerString(2147483647), "2147483647");
  EXPECT_EQ(integerString(-2147483648LL), "-2147483648");
  EXPECT_EQ(integerString(kMax64), "9223372036854775807");
  EXPECT_EQ(integerString(kMin64), "-9223372036854775808");
  EXPECT_EQ(unsignedString(0), "0");
  EXPECT_EQ(unsignedString(4294967295u), "4294967295");
  EXPECT_EQ(unsignedString(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(unsignedString(static_cast<std::uint32_t>(-1)), "4294967295");
}

TEST(NumberTextInteger, HasExactlyTheDigitsOfEveryPowerOfTenAndItsNeighbours) {
  for (std::uint64_t power = 1;; power *= 10) {
    for (const std::uint64_t value : {power - 1, power, power + 1}) {
      EXPECT_EQ(unsignedString(value), std::to_string(value));
      if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        const auto signedValue = static_cast<std::int64_t>(value);
        EXPECT_EQ(integerString(signedValue), std::to_string(signedValue));
        EXPECT_EQ(integerString(-signedValue), std::to_string(-signedValue));
      }
    }
    if (power > std::numeric_limits<std::uint64_t>::max() / 10) break;
  }
}

struct RealCase {
  double value;
  const char* text;
};

class NumberTextReal : public testing::TestWithParam<RealCase> {};

TEST_P(NumberTextReal, ShowsTenSignificantDigits) {
  EXPECT_EQ(realString(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberTextTable, NumberTextReal,
    testing::Values(RealCase{0.0, "0."}, RealCase{-0.0, "0."}, RealCase{1.0, "1."},
                    RealCase{12.0, "12."}, RealCase{-2.5, "-2.5"}, RealCase{0.5, "0.5"},
                    RealCase{0.1, "0.1"}, RealCase{123.456, "123.456"},
                    RealCase{-123.456, "-123.456"}, RealCase{1.0 / 3.0, "0.3333333333"},
                    RealCase{2.0 / 3.0, "0.6666666667"}, RealCase{3.141592653589793, "3.141592654"},
                    RealCase{123456789.123, "123456789.1"}, RealCase{1000000000.0, "1000000000"},
                    RealCase{1234567890.0, "1234567890"}, RealCase{-1234567890.0, "-1234567890"},
                    // Carries keep the layout of the unrounded exponent.
                    RealCase{9999999999.5, "10000000000"}, RealCase{-9999999999.5, "-10000000000"},
                    RealCase{999999999.95, "1000000000."}, RealCase{9.9999999999, "10."},
                    RealCase{0.99999999999, "1."}, RealCase{0.099999999999, "1.e-001"},
                    RealCase{9.99999999995e20, "1.e+021"},
                    // Exponent notation outside 10^-1 to 10^9.
                    RealCase{10000000000.0, "1.e+010"}, RealCase{12345678901.0, "1.23456789e+010"},
                    RealCase{0.05, "5.e-002"}, RealCase{0.0999999999949, "9.999999999e-002"},
                    RealCase{1.5e-7, "1.5e-007"}, RealCase{-0.00001, "-1.e-005"},
                    RealCase{1e100, "1.e+100"}, RealCase{-1e-100, "-1.e-100"},
                    RealCase{1.7976931348623157e308, "1.797693135e+308"},
                    RealCase{-1.7976931348623157e308, "-1.797693135e+308"},
                    RealCase{4.9406564584124654e-324, "4.940656458e-324"},
                    RealCase{2.2250738585072014e-308, "2.225073859e-308"},
                    // The tenth digit is rounded from the seventeen-digit form, not from
                    // the exact value: these lie just below ...5 in the eleventh digit but
                    // read ...50000000 at seventeen digits.
                    RealCase{3.5102403375, "3.510240338"},
                    RealCase{0.20838698165, "0.2083869817"}));

TEST(NumberTextRealFloat, ShowsTheWidenedValueToTenDigits) {
  EXPECT_EQ(realString(static_cast<double>(0.1f)), "0.1000000015");
}

struct SpecialCase {
  std::uint64_t bits;
  const char* text;
};

class NumberTextSpecial : public testing::TestWithParam<SpecialCase> {};

TEST_P(NumberTextSpecial, NamesInfinitiesAndNans) {
  EXPECT_EQ(realString(std::bit_cast<double>(GetParam().bits)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(NumberTextBits, NumberTextSpecial,
                         testing::Values(SpecialCase{0x7FF0000000000000, "1.#INF"},
                                         SpecialCase{0xFFF0000000000000, "-1.#INF"},
                                         // Only the NaN of invalid arithmetic is indefinite.
                                         SpecialCase{0xFFF8000000000000, "-1.#IND"},
                                         SpecialCase{0x7FF8000000000000, "1.#QNAN"},
                                         SpecialCase{0xFFF8000000000001, "-1.#QNAN"},
                                         SpecialCase{0x7FFFFFFFFFFFFFFF, "1.#QNAN"},
                                         SpecialCase{0xFFFC000000000000, "-1.#QNAN"},
                                         // Quiet bit clear.
                                         SpecialCase{0x7FF0000000000001, "1.#SNAN"},
                                         SpecialCase{0xFFF4000000000000, "-1.#SNAN"},
                                         SpecialCase{0x7FF7FFFFFFFFFFFF, "1.#SNAN"}));

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
TEST(NumberTextRealNan, InvalidArithmeticIsIndefinite) {
  // volatile keeps the division at run time: the compiler's own folding of
  // 0/0 yields a NaN with the sign clear, the processor's has it set.
  volatile double zero = 0.0;
  EXPECT_EQ(realString(zero / zero), "-1.#IND");
}
#endif

// The decimal exponent of the first of 17 correctly rounded digits, taken
// from the C library as an independent source.
int exactExponent(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.16e", value);
  return std::atoi(std::strchr(text, 'e') + 1);
}

void expectSoundText(double value) {
  SCOPED_TRACE(testing::Message() << std::hexfloat << value);
  const std::string text = realString(value);
  ASSERT_LE(text.size(), static_cast<std::size_t>(kMaxRealText));

  static const std::regex fixed(R"(-?(0|[1-9][0-9]*)(\.([0-9]*[1-9])?)?)");
  static const std::regex exponential(R"(-?[1-9]\.([0-9]*[1-9])?e[+-][0-9]{3})");
  const int exponent = exactExponent(value);
  if (exponent >= -1 && exponent <= 9) {
    EXPECT_TRUE(std::regex_match(text, fixed)) << text;
  } else {
    EXPECT_TRUE(std::regex_match(text, exponential)) << text;
  }

  // Ten digits hold the value to half a unit of the tenth, relative to the
  // leading digit; reading the text back adds at most one unit in the last
  // place of the double.
  const double back = std::strtod(text.c_str(), nullptr);
  const double unit = std::nextafter(std::fabs(value), INFINITY) - std::fabs(value);
  EXPECT_LE(std::fabs(back - value), 5.0000001e-10 * std::fabs(value) + unit) << text;
  EXPECT_EQ(std::signbit(back), std::signbit(value)) << text;
}

TEST(NumberTextRealRandom, EveryFiniteValueFitsAndReadsBackClose) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(random());
    if (!std::isfinite(value) || value == 0) continue;
    expectSoundText(value);
  }
}

TEST(NumberTextRealRandom, ValuesAroundTheFixedRangeFitAndReadBackClose) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> leading(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-3, 11);
  for (int i = 0; i < 20000; ++i) {
    const double value = leading(random) * std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
    expectSoundText(value);
  }
}

TEST(NumberTextRealRandom, ValuesWithTenDigitsAndALongTailOfNinesFit) {
  // The longest texts and the carries come from values right below a step of
  // the tenth digit.
  std::mt19937_64 random(13);
  std::uniform_int_distribution<std::int64_t> digits(1000000000, 9999999999);
  for (int i = 0; i < 5000; ++i) {
    for (int exponent = -12; exponent <= 12; ++exponent) {
      const double value =
          (static_cast<double>(digits(random)) - 0.5000001) * std::pow(10.0, exponent - 9);
      expectSoundText(value);
      expectSoundText(-value);
    }
  }
}

}  // namespace
}  // namespace cmdcode::detail

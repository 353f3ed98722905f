#include "cmdcode/text/decimal.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace cmdcode {
namespace {

constexpr char kUntouched = '#';
using Buffer = std::array<char, 24>;

Buffer untouchedBuffer() {
  Buffer buffer;
  buffer.fill(kUntouched);
  return buffer;
}

// Checks a rendering against the text it should have written: the text and
// its terminator, and not one byte more; or, when nothing should fit, no byte
// at all.
void expectRendering(const Buffer& buffer, std::int32_t result, const char* text) {
  if (text == nullptr) {
    EXPECT_EQ(result, 0);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
      EXPECT_EQ(buffer[i], kUntouched) << "byte " << i << " written by a failed rendering";
    }
    return;
  }
  const std::string expected(text);
  ASSERT_EQ(result, static_cast<std::int32_t>(expected.size()));
  EXPECT_EQ(std::string(buffer.data(), expected.size()), expected);
  EXPECT_EQ(buffer[expected.size()], '\0');
  for (std::size_t i = expected.size() + 1; i < buffer.size(); ++i) {
    EXPECT_EQ(buffer[i], kUntouched) << "byte " << i << " written past the terminator";
  }
}

struct SignedCase {
  std::int32_t value;
  std::int32_t size;
  const char* text;  // null: nothing fits
};

class DecimalSigned : public testing::TestWithParam<SignedCase> {};

TEST_P(DecimalSigned, WritesTheSignColumnAndDigitsWhenTheyFit) {
  const SignedCase& c = GetParam();
  Buffer buffer = untouchedBuffer();
  expectRendering(buffer, formatSigned(c.value, buffer.data(), c.size), c.text);
}

TEST_P(DecimalSigned, IsReachedUnchangedThroughTheIntEntry) {
  const SignedCase& c = GetParam();
  Buffer direct = untouchedBuffer();
  Buffer forwarded = untouchedBuffer();
  EXPECT_EQ(formatInt(c.value, forwarded.data(), c.size),
            formatSigned(c.value, direct.data(), c.size));
  EXPECT_EQ(forwarded, direct);
}

INSTANTIATE_TEST_SUITE_P(
    DecimalTable, DecimalSigned,
    testing::Values(SignedCase{0, 20, " 0"}, SignedCase{0, 3, " 0"}, SignedCase{0, 2, nullptr},
                    SignedCase{0, 0, nullptr}, SignedCase{0, -5, nullptr},
                    SignedCase{0, std::numeric_limits<std::int32_t>::min(), nullptr},
                    SignedCase{7, 20, " 7"}, SignedCase{-7, 20, "-7"}, SignedCase{-7, 2, nullptr},
                    SignedCase{9, 20, " 9"}, SignedCase{10, 20, " 10"}, SignedCase{99, 20, " 99"},
                    SignedCase{100, 20, " 100"}, SignedCase{-100, 20, "-100"},
                    SignedCase{999999999, 20, " 999999999"},
                    SignedCase{1000000000, 20, " 1000000000"}, SignedCase{123, 5, " 123"},
                    SignedCase{123, 4, nullptr}, SignedCase{2147483647, 12, " 2147483647"},
                    SignedCase{2147483647, 11, nullptr}, SignedCase{-2147483647, 20, "-2147483647"},
                    SignedCase{-2147483647 - 1, 20, "-2147483648"},
                    SignedCase{-2147483647 - 1, 12, "-2147483648"},
                    SignedCase{-2147483647 - 1, 11, nullptr},
                    SignedCase{1953068401, 20, " 1953068401"}));

struct UnsignedCase {
  std::uint32_t value;
  std::int32_t size;
  const char* text;  // null: nothing fits
};

class DecimalUnsigned : public testing::TestWithParam<UnsignedCase> {};

TEST_P(DecimalUnsigned, WritesTheDigitsWhenTheyFit) {
  const UnsignedCase& c = GetParam();
  Buffer buffer = untouchedBuffer();
  expectRendering(buffer, formatUnsigned(c.value, buffer.data(), c.size), c.text);
}

INSTANTIATE_TEST_SUITE_P(DecimalTable, DecimalUnsigned,
                         testing::Values(UnsignedCase{0, 2, "0"}, UnsignedCase{0, 1, nullptr},
                                         UnsignedCase{0, 0, nullptr}, UnsignedCase{0, -1, nullptr},
                                         UnsignedCase{7, 2, "7"}, UnsignedCase{123, 4, "123"},
                                         UnsignedCase{123, 3, nullptr},
                                         UnsignedCase{1000000000, 11, "1000000000"},
                                         UnsignedCase{2147483648u, 11, "2147483648"},
                                         UnsignedCase{3000000000u, 20, "3000000000"},
                                         UnsignedCase{4294967295u, 11, "4294967295"},
                                         UnsignedCase{4294967295u, 10, nullptr}));

// Values where a digit count taken from a logarithm goes wrong: the powers of
// ten and the numbers right below them, plus a spread of others. Each must
// fit in exactly its own length plus the terminator and not in one byte less.
std::vector<std::uint32_t> digitBoundaryMagnitudes() {
  std::vector<std::uint32_t> values{0, 1, 2147483647u, 2147483648u, 4294967295u};
  for (std::uint32_t power = 10; power <= 1000000000u; power *= 10) {
    values.insert(values.end(), {power - 1, power, power + 1});
    if (power == 1000000000u) break;
  }
  std::mt19937 random(20240601);
  for (int i = 0; i < 2000; ++i) values.push_back(static_cast<std::uint32_t>(random()));
  return values;
}

TEST(DecimalDigits, UnsignedTextHasExactlyTheValuesDigits) {
  for (const std::uint32_t value : digitBoundaryMagnitudes()) {
    SCOPED_TRACE(value);
    const std::string expected = std::to_string(value);
    const auto needed = static_cast<std::int32_t>(expected.size() + 1);
    Buffer buffer = untouchedBuffer();
    expectRendering(buffer, formatUnsigned(value, buffer.data(), needed), expected.c_str());
    Buffer tooSmall = untouchedBuffer();
    expectRendering(tooSmall, formatUnsigned(value, tooSmall.data(), needed - 1), nullptr);
  }
}

TEST(DecimalDigits, SignedTextHasTheSignColumnThenExactlyTheMagnitudesDigits) {
  for (const std::uint32_t magnitude : digitBoundaryMagnitudes()) {
    if (magnitude > 2147483648u) continue;
    const std::string digits = std::to_string(magnitude);
    const auto needed = static_cast<std::int32_t>(digits.size() + 2);
    for (const bool negative : {false, true}) {
      if (!negative && magnitude == 2147483648u) continue;
      if (negative && magnitude == 0) continue;
      const auto value = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
      SCOPED_TRACE(value);
      const std::string expected = (negative ? "-" : " ") + digits;
      Buffer buffer = untouchedBuffer();
      expectRendering(buffer, formatSigned(value, buffer.data(), needed), expected.c_str());
      Buffer tooSmall = untouchedBuffer();
      expectRendering(tooSmall, formatSigned(value, tooSmall.data(), needed - 1), nullptr);
    }
  }
}

TEST(DecimalSignColumn, KeepsTheDigitsOfEveryValueFromTheSecondByte) {
  // Callers skip the first byte to get the bare digits of a non-negative
  // value, and the digits line up whatever the sign.
  for (const std::int32_t value : {5, 42, 1953068401}) {
    Buffer positive = untouchedBuffer();
    Buffer negative = untouchedBuffer();
    const std::int32_t length = formatSigned(value, positive.data(), 20);
    ASSERT_EQ(formatSigned(-value, negative.data(), 20), length);
    EXPECT_EQ(positive[0], ' ');
    EXPECT_EQ(negative[0], '-');
    EXPECT_STREQ(positive.data() + 1, std::to_string(value).c_str());
    EXPECT_STREQ(negative.data() + 1, positive.data() + 1);
  }
}

}  // namespace
}  // namespace cmdcode

#include "cmdcode/text/number_scan.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace cmdcode::detail {

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

const char* skipBlanks(const char* at, const char* end) {
  while (at != end && isBlank(*at)) ++at;
  return at;
}

const char* skipDigits(const char* at, const char* end) {
  while (at != end && isDigit(*at)) ++at;
  return at;
}

// Reads one optional sign at `at`; true for '-'.
bool takeSign(const char*& at, const char* end) {
  if (at == end || (*at != '+' && *at != '-')) return false;
  return *at++ == '-';
}

// Where a real number lies within the characters, found before any digit is
// converted so that the conversion sees exactly the number's extent.
struct RealExtent {
  bool negative = false;
  const char* integerDigits = nullptr;
  const char* integerEnd = nullptr;
  const char* fractionDigits = nullptr;
  const char* fractionEnd = nullptr;
  bool exponentNegative = false;
  const char* exponentDigits = nullptr;  // null when there is no exponent
  const char* exponentEnd = nullptr;
};

bool findReal(const char* at, const char* end, RealExtent& extent) {
  at = skipBlanks(at, end);
  extent.negative = takeSign(at, end);
  extent.integerDigits = at;
  at = extent.integerEnd = skipDigits(at, end);
  extent.fractionDigits = extent.fractionEnd = at;
  if (at != end && *at == '.') {
    extent.fractionDigits = at + 1;
    at = extent.fractionEnd = skipDigits(at + 1, end);
  }
  if (extent.integerDigits == extent.integerEnd && extent.fractionDigits == extent.fractionEnd) {
    return false;
  }
  // An exponent letter belongs to the number only when digits follow it.
  if (at != end && isExponentLetter(*at)) {
    const char* exponent = at + 1;
    const bool exponentNegative = takeSign(exponent, end);
    const char* exponentEnd = skipDigits(exponent, end);
    if (exponentEnd != exponent) {
      extent.exponentNegative = exponentNegative;
      extent.exponentDigits = exponent;
      extent.exponentEnd = exponentEnd;
    }
  }
  return true;
}

// Any exponent beyond this already drives every possible digit string out of
// the range of doubles; saturating here keeps long exponent runs from
// overflowing while leaving room for the digit counts added to it.
constexpr std::int64_t kExponentCeiling = std::int64_t{1} << 40;

std::int64_t exponentValue(const RealExtent& extent) {
  std::int64_t value = 0;
  for (const char* at = extent.exponentDigits; at != extent.exponentEnd; ++at) {
    value = std::min(value * 10 + (*at - '0'), kExponentCeiling);
  }
  return extent.exponentNegative ? -value : value;
}

// The digits kept for the conversion. Every midpoint between two adjacent
// doubles has at most 767 significant decimal digits, so the first 800
// digits and one sticky non-zero digit for whatever follows round exactly as
// the whole digit run does.
constexpr std::size_t kKeptDigits = 800;

// Digits of the number with leading zeros dropped, at most kKeptDigits of
// them plus a sticky '1', written out as an integer and a power of ten.
class SignificantDigits {
 public:
  void append(const char* from, const char* to) {
    for (; from != to; ++from) {
      if (count_ == 0 && *from == '0') continue;
      if (count_ < kKeptDigits) {
        digits_[count_++] = *from;
      } else {
        ++dropped_;
        if (*from != '0') sticky_ = true;
      }
    }
  }

  // `exponent` is the power of ten that applies to the whole digit run;
  // returns the end of the text written.
  char* write(char* out, std::int64_t exponent) const {
    out = std::copy(digits_, digits_ + count_, out);
    if (sticky_) {
      *out++ = '1';
      --exponent;
    }
    *out++ = 'e';
    return std::to_chars(out, out + kMaxExponentText, exponent + dropped_).ptr;
  }

  bool allZero() const { return count_ == 0; }
  // Decimal orders of magnitude of the digits as written: value < 10^order.
  std::int64_t order() const { return static_cast<std::int64_t>(count_) + dropped_; }

  static constexpr std::size_t kMaxExponentText = 21;
  static constexpr std::size_t kMaxText = kKeptDigits + 2 + kMaxExponentText;

 private:
  char digits_[kKeptDigits];
  std::size_t count_ = 0;
  std::int64_t dropped_ = 0;
  bool sticky_ = false;
};

double signedInfinity(bool negative) {
  constexpr double infinity = std::numeric_limits<double>::infinity();
  return negative ? -infinity : infinity;
}

double signedZero(bool negative) { return negative ? -0.0 : 0.0; }

}  // namespace

std::int64_t scanInteger(const char* chars, int count) {
  const char* at = chars;
  const char* end = chars + std::max(count, 0);
  at = skipBlanks(at, end);
  const bool negative = takeSign(at, end);
  // Unsigned arithmetic wraps without overflow; 2^32 divides 2^64, so the
  // low 32 bits are those of 32-bit arithmetic.
  std::uint64_t value = 0;
  for (; at != end && isDigit(*at); ++at) value = value * 10 + static_cast<unsigned>(*at - '0');
  if (negative) value = 0 - value;
  return static_cast<std::int64_t>(value);
}

double scanReal(const char* chars, int count) {
  RealExtent extent;
  if (!findReal(chars, chars + std::max(count, 0), extent)) return 0.0;

  SignificantDigits digits;
  digits.append(extent.integerDigits, extent.integerEnd);
  digits.append(extent.fractionDigits, extent.fractionEnd);
  if (digits.allZero()) return signedZero(extent.negative);

  // value = digits * 10^scale; the bounds below are certain overflow (at
  // least 1 * 10^309) and certain underflow (below 10^-1100, under half the
  // smallest denormal), so the conversion only sees exponents of a few digits.
  const std::int64_t scale = exponentValue(extent) - (extent.fractionEnd - extent.fractionDigits);
  const std::int64_t magnitude = scale + digits.order();
  if (magnitude > 310) return signedInfinity(extent.negative);
  if (magnitude < -1100) return signedZero(extent.negative);

  char text[SignificantDigits::kMaxText];
  char* const textEnd = digits.write(text, scale);
  double value = 0.0;
  if (std::from_chars(text, textEnd, value).ec == std::errc::result_out_of_range) {
    // Leaves value untouched; the number is either above the largest double
    // (at least 1) or below half the smallest denormal.
    return magnitude > 0 ? signedInfinity(extent.negative) : signedZero(extent.negative);
  }
  return extent.negative ? -value : value;
}

}  // namespace cmdcode::detail

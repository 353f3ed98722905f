#include "cmdcode/text/number_text.hpp"

#include <bit>
#include <charconv>
#include <cmath>

#include "cmdcode/text/digits.hpp"

namespace cmdcode::detail {
namespace {

constexpr int kShownDigits = 10;

// The largest decimal exponent written in fixed notation; at it the text is
// a whole number and carries no point.
constexpr int kLastFixedExponent = kShownDigits - 1;
constexpr int kFirstFixedExponent = -1;

char* appendText(char* out, const char* text) {
  while (*text != '\0') *out++ = *text++;
  return out;
}

// --- Infinities and NaNs -------------------------------------------------

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kExponentBits = std::uint64_t{0x7FF} << 52;
constexpr std::uint64_t kSignificandBits = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;

constexpr bool isInfOrNan(std::uint64_t bits) { return (bits & kExponentBits) == kExponentBits; }

// The name after the sign. Invalid arithmetic yields the one NaN with the
// sign set and only the quiet bit in the significand, and that NaN alone is
// named "indefinite".
const char* specialName(std::uint64_t bits) {
  const std::uint64_t significand = bits & kSignificandBits;
  if (significand == 0) return "1.#INF";
  if ((significand & kQuietBit) == 0) return "1.#SNAN";
  if ((bits & kSignBit) != 0 && significand == kQuietBit) return "1.#IND";
  return "1.#QNAN";
}

// --- Finite values --------------------------------------------------------

// The value cut to 10 significant digits. The layout is chosen from the
// exponent before that cut, so both exponents are kept.
struct ShownDigits {
  char digits[kShownDigits];
  int exactExponent;    // of the first digit among 17 correctly rounded ones
  int roundedExponent;  // of the first digit after the cut to 10
};

// Rounds twice on purpose, first to 17 digits and then to 10 from the
// eleventh of those: that is the text users of this output are used to, even
// where the second rounding differs from rounding the exact value.
ShownDigits shownDigits(double magnitude) {
  // "d.dddddddddddddddde+xxx": 17 significant digits, exactly rounded and
  // free of locale.
  char exact[32];
  const auto result =
      std::to_chars(exact, exact + sizeof exact, magnitude, std::chars_format::scientific, 16);
  const char* exponentText = exact + 19;  // past the digits, the point and 'e'
  int exponent = 0;
  std::from_chars(exponentText + (*exponentText == '+' ? 1 : 0), result.ptr, exponent);

  ShownDigits shown{};
  shown.exactExponent = exponent;
  shown.roundedExponent = exponent;
  shown.digits[0] = exact[0];
  for (int i = 1; i < kShownDigits; ++i) shown.digits[i] = exact[i + 1];

  if (exact[kShownDigits + 1] >= '5') {
    int i = kShownDigits - 1;
    for (; i >= 0 && shown.digits[i] == '9'; --i) shown.digits[i] = '0';
    if (i >= 0) {
      ++shown.digits[i];
    } else {
      // All nines carried out: 9.999999999|9 becomes 1.000000000 times ten.
      shown.digits[0] = '1';
      ++shown.roundedExponent;
    }
  }
  return shown;
}

// The digit standing at 10^power in the rounded value.
char digitAt(const ShownDigits& shown, int power) {
  const int index = shown.roundedExponent - power;
  return index >= 0 && index < kShownDigits ? shown.digits[index] : '0';
}

char* dropTrailingZeros(char* point, char* end) {
  while (end > point + 1 && end[-1] == '0') --end;
  return end;
}

char* writeFixed(const ShownDigits& shown, char* out) {
  for (int power = shown.roundedExponent > 0 ? shown.roundedExponent : 0; power >= 0; --power) {
    *out++ = digitAt(shown, power);
  }
  if (shown.exactExponent == kLastFixedExponent) return out;
  char* point = out;
  *out++ = '.';
  const int fractionDigits = kLastFixedExponent - shown.exactExponent;
  for (int power = -1; power >= -fractionDigits; --power) *out++ = digitAt(shown, power);
  return dropTrailingZeros(point, out);
}

char* writeExponential(const ShownDigits& shown, char* out) {
  *out++ = shown.digits[0];
  char* point = out;
  *out++ = '.';
  for (int i = 1; i < kShownDigits; ++i) *out++ = shown.digits[i];
  out = dropTrailingZeros(point, out);
  *out++ = 'e';
  *out++ = shown.roundedExponent < 0 ? '-' : '+';
  const int exponent = shown.roundedExponent < 0 ? -shown.roundedExponent : shown.roundedExponent;
  constexpr int kExponentDigits = 3;  // 1e-324 to 1.8e+308
  writeDigitsBackward(static_cast<unsigned>(exponent), out + kExponentDigits - 1, kExponentDigits);
  return out + kExponentDigits;
}

}  // namespace

int integerText(std::int64_t value, char* buffer) {
  if (value >= 0) return unsignedText(static_cast<std::uint64_t>(value), buffer);
  // Unsigned negation reaches the magnitude of the most negative value too.
  buffer[0] = '-';
  return 1 + unsignedText(0 - static_cast<std::uint64_t>(value), buffer + 1);
}

int unsignedText(std::uint64_t value, char* buffer) {
  const int digits = decimalDigitCount(value);
  writeDigitsBackward(value, buffer + digits - 1, digits);
  buffer[digits] = '\0';
  return digits;
}

int realText(double value, char* buffer) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  char* out = buffer;
  if (isInfOrNan(bits)) {
    if ((bits & kSignBit) != 0) *out++ = '-';
    out = appendText(out, specialName(bits));
  } else if (value == 0) {
    out = appendText(out, "0.");  // no sign, also for -0.0
  } else {
    if (value < 0) *out++ = '-';
    const ShownDigits shown = shownDigits(std::fabs(value));
    const bool fixed =
        shown.exactExponent >= kFirstFixedExponent && shown.exactExponent <= kLastFixedExponent;
    out = fixed ? writeFixed(shown, out) : writeExponential(shown, out);
  }
  *out = '\0';
  return static_cast<int>(out - buffer);
}

}  // namespace cmdcode::detail

#include "cmdcode/text/parse.hpp"

#include <cfloat>
#include <cstddef>

// parseReal's results are defined by a fixed sequence of double operations,
// each rounded on its own. Extended-precision intermediates (x87) would give
// other bits; the build selects SSE arithmetic for this file where that matters.
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD != 0
#error "parse.cpp needs double arithmetic evaluated in double precision"
#endif

namespace cmdcode {

namespace {

// A minus counts only until the first digit: "a-5" is negative, "1-2" is not,
// and a second minus never flips the sign back.
class LeadingMinus {
 public:
  void sawMinus() {
    if (leading_) {
      negative_ = true;
      leading_ = false;
    }
  }
  void sawDigit() { leading_ = false; }
  bool negative() const { return negative_; }

 private:
  bool leading_ = true;
  bool negative_ = false;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t parseInteger(const char* text) {
  // Unsigned arithmetic gives the modulo-2^32 wrap-around without overflow.
  std::uint32_t value = 0;
  LeadingMinus sign;
  for (; *text != '\0'; ++text) {
    const char c = *text;
    if (c == '-') {
      sign.sawMinus();
    } else if (isDigit(c)) {
      value = value * 10u + static_cast<std::uint32_t>(c - '0');
      sign.sawDigit();
    }
  }
  if (sign.negative()) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

int parseInt(const char* text) { return parseInteger(text); }

double parseReal(const char* text) {
  double value = 0.0;
  bool fractionMode = false;
  std::size_t fractionDigits = 0;
  LeadingMinus sign;
  for (; *text != '\0'; ++text) {
    const char c = *text;
    if (c == '-') {
      sign.sawMinus();
    } else if (c == '.' || c == ',') {
      fractionMode = true;
    } else if (isDigit(c)) {
      // Three operations, each rounded: adding the code before taking 48
      // away gives other bits than adding the digit's value once the
      // accumulator is past 2^53.
      value = value * 10.0;
      value = value + static_cast<double>(c);
      value = value - 48.0;
      sign.sawDigit();
      if (fractionMode) ++fractionDigits;
    }
  }
  if (sign.negative()) value = value * -1.0;
  // One rounded step per fraction digit, never a division or a power of ten.
  for (std::size_t i = 0; i < fractionDigits; ++i) value = value * 0.1;
  return value;
}

}  // namespace cmdcode

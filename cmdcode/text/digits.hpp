// Decimal digit counting and writing shared by the number renderers.
#pragma once

#include <array>
#include <bit>
#include <concepts>
#include <cstdint>
#include <cstring>

namespace cmdcode::detail {

// 10^0 to 10^19, every power of ten below 2^64.
inline constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (auto& entry : powers) {
    entry = power;
    power *= 10;  // wraps after the last entry, which is never read
  }
  return powers;
}();

// The number of decimal digits of `magnitude`, zero counting as one digit.
// The bit width narrows the base-10 logarithm down to two neighbours
// (1233 / 4096 is log10(2) to four places) and a comparison with the exact
// power of ten picks one, so the count is right at every power of ten, where
// a floating-point logarithm can land just below the whole number. Setting
// the lowest bit makes zero count as one digit and moves no other value
// across a power of ten.
template <std::unsigned_integral Unsigned>
constexpr int decimalDigitCount(Unsigned magnitude) {
  const Unsigned odd = magnitude | 1u;
  const int log10Guess = (static_cast<int>(std::bit_width(odd)) * 1233) >> 12;
  return log10Guess + (odd >= kPowersOfTen[log10Guess] ? 1 : 0);
}

// "00" to "99": two digits per division halve the divisions of writing one
// digit at a time. At namespace scope so that no call copies it.
inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the last `count` digits of `magnitude` so that the final one lands
// at `last`, moving left; the caller has counted them and made room.
template <std::unsigned_integral Unsigned>
void writeDigitsBackward(Unsigned magnitude, char* last, int count) {
  for (; count >= 2; count -= 2, last -= 2) {
    const auto pair = static_cast<unsigned>(magnitude % 100u);
    magnitude /= 100u;
    std::memcpy(last - 1, kDigitPairs + 2 * pair, 2);
  }
  if (count == 1) *last = static_cast<char>('0' + magnitude % 10u);
}

}  // namespace cmdcode::detail

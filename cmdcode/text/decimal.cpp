#include "cmdcode/text/decimal.hpp"

#include "cmdcode/text/digits.hpp"

namespace cmdcode {

std::int32_t formatSigned(std::int32_t value, char* buffer, std::int32_t size) {
  // Negating in unsigned arithmetic gives the most negative value its
  // magnitude, 2147483648, which no 32-bit signed integer holds.
  const std::uint32_t magnitude =
      value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  const std::int32_t digits = detail::decimalDigitCount(magnitude);
  if (digits + 2 > size) return 0;
  detail::writeDigitsBackward(magnitude, buffer + digits, digits);
  buffer[0] = value < 0 ? '-' : ' ';
  buffer[digits + 1] = '\0';
  return digits + 1;
}

std::int32_t formatInt(int value, char* buffer, int size) {
  return formatSigned(value, buffer, size);
}

std::int32_t formatUnsigned(std::uint32_t value, char* buffer, std::int32_t size) {
  const std::int32_t digits = detail::decimalDigitCount(value);
  if (digits + 1 > size) return 0;
  detail::writeDigitsBackward(value, buffer + digits - 1, digits);
  buffer[digits] = '\0';
  return digits;
}

}  // namespace cmdcode

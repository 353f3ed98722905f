// Decimal rendering of 32-bit integers into a caller's buffer of `size` bytes.
// Both test the room first and write nothing (returning 0) when the text and
// its terminator do not fit.
#pragma once

#include <cstdint>

namespace cmdcode {

// A sign column ('-' or a blank), the digits, a terminator. Returns the
// number of characters written before the terminator (digits + 1).
std::int32_t formatSigned(std::int32_t value, char* buffer, std::int32_t size);

// The same rendering under the name callers of the int-typed API use.
std::int32_t formatInt(int value, char* buffer, int size);

// The digits and a terminator. Returns the number of digits.
std::int32_t formatUnsigned(std::uint32_t value, char* buffer, std::int32_t size);

}  // namespace cmdcode

// Number texts for the console writers: plain decimal integers and doubles
// with 10 significant digits. Internal to the library.
#pragma once

#include <cstdint>

namespace cmdcode::detail {

// Longest texts, terminator excluded.
inline constexpr int kMaxIntegerText = 20;  // "-9223372036854775808"
inline constexpr int kMaxRealText = 17;     // "-1.797693135e+308"

// Plain decimal, '-' for negative values, no other sign or padding. The
// buffer holds kMaxIntegerText + 1 bytes. Returns the length written; the
// text is terminated.
int integerText(std::int64_t value, char* buffer);
int unsignedText(std::uint64_t value, char* buffer);

// The double with 10 significant digits: fixed notation for decimal
// exponents -1 to 9, else d.ddddddddde+xxx; trailing fraction zeros removed,
// the point kept ("1.", "1.e+010"); "1.#INF", "-1.#IND", "1.#QNAN", "1.#SNAN".
// The buffer holds kMaxRealText + 1 bytes. Returns the length written.
int realText(double value, char* buffer);

}  // namespace cmdcode::detail

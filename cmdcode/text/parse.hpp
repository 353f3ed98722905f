// Lenient readers that take a number out of free text: every decimal digit
// counts wherever it stands, a minus before the first digit makes the result
// negative, everything else is skipped. Every text yields a number.
#pragma once

#include <cstdint>

namespace cmdcode {

// Digits accumulated modulo 2^32.
std::int32_t parseInteger(const char* text);

// The same reader under the name callers of the int-typed API use.
int parseInt(const char* text);

// As parseInteger, with '.' or ',' switching on fraction digits.
double parseReal(const char* text);

}  // namespace cmdcode

// Strict number scanners for the console's typed reads: an optional sign and
// a number at the start of the characters, after blanks. Internal to the
// library. They read at most `count` characters and need no terminator.
#pragma once

#include <cstdint>

namespace cmdcode::detail {

// Blanks, one sign, decimal digits; value * 10 + digit wraps modulo 2^64,
// so callers that keep 32 bits get the 32-bit wrap-around.
std::int64_t scanInteger(const char* chars, int count);

// Blanks, sign, digits with at most one '.', an optional exponent introduced
// by e, E, d or D. The nearest double; overflow gives infinity, underflow
// zero. No number gives 0.0.
double scanReal(const char* chars, int count);

}  // namespace cmdcode::detail

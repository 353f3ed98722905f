// Operations on caller-owned, NUL-terminated 8-bit text, and the command code.
#pragma once

#include <cstdint>

namespace cmdcode {

// Number of characters before the terminator.
std::int32_t textLength(const char* text);

// Copies at most `count` characters of `source`, terminator included, then
// terminates `destination` at the number copied and returns that number. The
// destination holds count + 1 bytes. A negative count copies nothing and
// leaves the empty text, like a count of 0.
std::int32_t copyText(const char* source, char* destination, std::int32_t count);

// ASCII case folding in place; bytes from 0x80 up are never letters.
char* lowerText(char* text);
char* upperText(char* text);

// lowerText limited to the first 16 characters.
void lowerTextHead(char* text);

// The 32-bit code of the word at the start of `text`: its first 16
// characters, lower-cased in place, packed four to a word and combined by
// exclusive or. A word ends at NUL, ' ', ',', '.', ':' or '='. Null gives 0.
std::int32_t commandCode(char* text);

}  // namespace cmdcode

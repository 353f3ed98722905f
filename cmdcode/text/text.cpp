#include "cmdcode/text/text.hpp"

namespace cmdcode {
namespace {

// Only the first 16 characters of a word take part in its code.
constexpr int kHeadLength = 16;

constexpr bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool isLower(char c) { return c >= 'a' && c <= 'z'; }
constexpr char kCaseBit = 0x20;

constexpr bool endsWord(char c) {
  return c == '\0' || c == ' ' || c == ',' || c == '.' || c == ':' || c == '=';
}

}  // namespace

std::int32_t textLength(const char* text) {
  std::int32_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

// A negative count is treated like 0: the destination becomes the empty
// text, so a caller's mistake never leaves it unterminated.
std::int32_t copyText(const char* source, char* destination, std::int32_t count) {
  std::int32_t copied = 0;
  while (copied < count) {
    const char c = source[copied];
    destination[copied++] = c;
    if (c == '\0') break;
  }
  destination[copied] = '\0';
  return copied;
}

char* lowerText(char* text) {
  for (char* c = text; *c != '\0'; ++c) {
    if (isUpper(*c)) *c = static_cast<char>(*c + kCaseBit);
  }
  return text;
}

char* upperText(char* text) {
  for (char* c = text; *c != '\0'; ++c) {
    if (isLower(*c)) *c = static_cast<char>(*c - kCaseBit);
  }
  return text;
}

void lowerTextHead(char* text) {
  for (int p = 0; p < kHeadLength && text[p] != '\0'; ++p) {
    if (isUpper(text[p])) text[p] = static_cast<char>(text[p] + kCaseBit);
  }
}

std::int32_t commandCode(char* text) {
  if (text == nullptr) return 0;
  lowerTextHead(text);
  std::uint32_t code = 0;
  for (int p = 0; p < kHeadLength && !endsWord(text[p]); ++p) {
    // Widening with the sign makes a byte from 0x80 up set every bit above
    // its own, so the code of a word with such bytes depends on it.
    const auto widened =
        static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(text[p])));
    code ^= widened << (8 * (p % 4));
  }
  return static_cast<std::int32_t>(code);
}

}  // namespace cmdcode

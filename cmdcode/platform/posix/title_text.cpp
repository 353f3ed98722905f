#include "cmdcode/platform/posix/title_text.hpp"

#include <cstddef>

namespace cmdcode::platform::tty {
namespace {

bool within(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence of two or more bytes at `at`,
// or 0. The range checks stop at the terminator, which is no continuation.
std::size_t sequenceLength(const unsigned char* at) {
  const unsigned char lead = at[0];
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  std::size_t length;
  if (within(lead, 0xC2, 0xDF)) {
    length = 2;
  } else if (within(lead, 0xE0, 0xEF)) {
    length = 3;
    if (lead == 0xE0) secondLow = 0xA0;   // no overlong forms
    if (lead == 0xED) secondHigh = 0x9F;  // no surrogates
  } else if (within(lead, 0xF0, 0xF4)) {
    length = 4;
    if (lead == 0xF0) secondLow = 0x90;   // no overlong forms
    if (lead == 0xF4) secondHigh = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (!within(at[1], secondLow, secondHigh)) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (!within(at[i], 0x80, 0xBF)) {
      return 0;
    }
  }
  return length;
}

}  // namespace

std::string titleText(const char* title) {
  std::string text;
  const auto* at = reinterpret_cast<const unsigned char*>(title);
  while (*at != 0) {
    const unsigned char byte = *at;
    if (byte < 0x80) {
      if (byte >= 0x20 && byte != 0x7F) {
        text += static_cast<char>(byte);
      }
      ++at;
      continue;
    }
    if (const std::size_t length = sequenceLength(at); length != 0) {
      const bool encodedC1 = byte == 0xC2 && at[1] < 0xA0;
      if (!encodedC1) {
        text.append(reinterpret_cast<const char*>(at), length);
      }
      at += length;
      continue;
    }
    if (byte >= 0xA0) {
      text += static_cast<char>(byte);
    }
    ++at;
  }
  return text;
}

}  // namespace cmdcode::platform::tty

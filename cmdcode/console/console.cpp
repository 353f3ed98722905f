#include "cmdcode/console/console.hpp"

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/text/number_text.hpp"
#include "cmdcode/text/text.hpp"

namespace cmdcode {

Console console;

const char* newline = "\n";
const char* bell = "\a";
const char* tab = "\t";

Console::Console() {
  platform::attachConsole();
  inputHandle = platform::standardInput();
  outputHandle = platform::standardOutput();
}

Console::~Console() { platform::detachConsole(); }

Console& Console::write(const char* text) {
  platform::writeAll(outputHandle, text, textLength(text));
  return *this;
}

Console& Console::write(char character) {
  platform::writeAll(outputHandle, &character, 1);
  return *this;
}

Console& Console::write(int value) { return write(static_cast<long>(value)); }

Console& Console::write(long value) {
  char text[detail::kMaxIntegerText + 1];
  platform::writeAll(outputHandle, text, detail::integerText(value, text));
  return *this;
}

Console& Console::write(unsigned long value) {
  char text[detail::kMaxIntegerText + 1];
  platform::writeAll(outputHandle, text, detail::unsignedText(value, text));
  return *this;
}

Console& Console::write(unsigned int value) { return write(static_cast<unsigned long>(value)); }

Console& Console::write(double value) {
  char text[detail::kMaxRealText + 1];
  platform::writeAll(outputHandle, text, detail::realText(value, text));
  return *this;
}

Console& Console::write(float value) { return write(static_cast<double>(value)); }

int Console::readChars(char* buffer, int capacity) {
  platform::discardTypeAhead(inputHandle);
  const std::int32_t count = platform::readLine(inputHandle, buffer, capacity);
  inputEnded = count == platform::kEndOfInput;
  return inputEnded ? 0 : count;
}

Console& Console::read(char* buffer) {
  constexpr int kLineCapacity = 255;
  int count = readChars(buffer, kLineCapacity);
  // A whole line arrives with CR LF; a line cut at the capacity keeps all
  // that arrived.
  if (count >= 2 && buffer[count - 2] == '\r' && buffer[count - 1] == '\n') {
    count -= 2;
  }
  buffer[count] = '\0';
  return *this;
}

}  // namespace cmdcode

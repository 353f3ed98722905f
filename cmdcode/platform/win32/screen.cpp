// Screen control on Windows: the console's own functions on the output
// handle, and the command interpreter's CLS.
#include <cstdlib>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/win32/native.hpp"

namespace cmdcode::platform {

bool setCursorPosition(Handle output, std::int16_t x, std::int16_t y) {
  return SetConsoleCursorPosition(native(output), COORD{x, y}) != 0;
}

bool setTextAttribute(Handle output, std::uint16_t attribute) {
  return SetConsoleTextAttribute(native(output), attribute) != 0;
}

bool setWindowRect(Handle output, std::int16_t left, std::int16_t top, std::int16_t right,
                   std::int16_t bottom) {
  const SMALL_RECT rect{left, top, right, bottom};
  return SetConsoleWindowInfo(native(output), TRUE, &rect) != 0;
}

bool setTitle(const char* title) { return SetConsoleTitleA(title) != 0; }

// The interpreter named by COMSPEC (cmd.exe when unset) clears the console the
// process shares with it, whatever standard output is.
void clearScreen() { std::system("CLS"); }

}  // namespace cmdcode::platform

// Screen control and the pause prompt. The cursor, attribute and window
// requests go to this console's output; the title, the clearing and the
// pause act on the process's console whichever object they are called on.
#include <cstdint>

#include "cmdcode/console/console.hpp"
#include "cmdcode/platform/platform.hpp"

namespace cmdcode {
namespace {

constexpr const char* kPausePrompt = "Appuyez sur une touche pour continuer...";

// Console coordinates are signed 16-bit: only the low 16 bits of an argument
// count, so 65536 + 3 is column 3 and 65535 is -1.
std::int16_t coordinate(int value) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

}  // namespace

bool Console::setCursor(int x, int y) {
  return platform::setCursorPosition(outputHandle, coordinate(x), coordinate(y));
}

bool Console::setAttribute(int attribute) {
  return platform::setTextAttribute(outputHandle, static_cast<std::uint16_t>(attribute));
}

// The arguments come as the horizontal pair, then the vertical pair; the
// platform takes the rectangle's own order.
bool Console::setWindow(int left, int right, int top, int bottom) {
  return platform::setWindowRect(outputHandle, coordinate(left), coordinate(top), coordinate(right),
                                 coordinate(bottom));
}

bool Console::setTitle(const char* title) { return title != nullptr && platform::setTitle(title); }

bool Console::clearScreen() {
  platform::clearScreen();
  return true;
}

bool Console::pause(bool show) {
  if (show) {
    console.write(kPausePrompt);
  }
  platform::waitForKey();
  return true;
}

bool Console::beep() {
  write(bell);
  return true;
}

}  // namespace cmdcode

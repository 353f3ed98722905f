// Screen control on POSIX terminals, by ANSI/ECMA-48 escape sequences.
//
// A terminal is not a console screen buffer, and only part of what a console
// offers has a counterpart:
// - The cursor may be put on any cell of the visible screen; a cell outside
//   it is refused, as a console refuses one outside its buffer.
// - Colours are the sixteen of the attribute's low byte. The bits above it
//   (a console's grid lines, reverse video, underscore and double-byte
//   marks) have no effect here.
// - A window rectangle can only be honoured as a size: there is no screen
//   buffer for it to be positioned in, so its left and top edges count only
//   through the width and height. The size goes out as the xterm resize
//   request, which many terminals ignore (tmux, most tabbed emulators,
//   anything where the user placed the window); its success means only that
//   the request was sent to a terminal.
#include <fcntl.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/posix/descriptor.hpp"
#include "cmdcode/platform/posix/terminal.hpp"
#include "cmdcode/platform/posix/title_text.hpp"

namespace cmdcode::platform {
namespace {

// One escape sequence, built without allocating; the longest we write is
// well within its room.
class Sequence {
 public:
  Sequence& text(std::string_view part) {
    part.copy(bytes_ + size_, part.size());
    size_ += part.size();
    return *this;
  }

  Sequence& number(unsigned value) {
    size_ = static_cast<std::size_t>(
        std::to_chars(bytes_ + size_, bytes_ + sizeof bytes_, value).ptr - bytes_);
    return *this;
  }

  bool writeTo(int fd) const { return writeFully(fd, bytes_, size_); }

 private:
  char bytes_[48];
  std::size_t size_ = 0;
};

// The attribute's colour bits are blue, green, red from the lowest; an ANSI
// colour index has red in the lowest bit and blue in the highest.
unsigned ansiColour(unsigned colour) {
  return ((colour & 0x1u) << 2) | (colour & 0x2u) | ((colour & 0x4u) >> 2);
}

unsigned foregroundCode(unsigned colour) {
  return ((colour & 0x8u) != 0 ? 90u : 30u) + ansiColour(colour);
}

unsigned backgroundCode(unsigned colour) {
  return ((colour & 0x8u) != 0 ? 100u : 40u) + ansiColour(colour);
}

}  // namespace

bool setCursorPosition(Handle output, std::int16_t x, std::int16_t y) {
  const int fd = descriptor(output);
  if (!tty::isTerminal(fd) || x < 0 || y < 0) {
    return false;
  }
  // A terminal that does not know its size cannot say which cells exist;
  // the position is then left to it.
  int rows;
  int columns;
  if (tty::windowSize(fd, rows, columns) && (x >= columns || y >= rows)) {
    return false;
  }
  return Sequence()
      .text("\x1b[")
      .number(static_cast<unsigned>(y) + 1)
      .text(";")
      .number(static_cast<unsigned>(x) + 1)
      .text("H")
      .writeTo(fd);
}

bool setTextAttribute(Handle output, std::uint16_t attribute) {
  const int fd = descriptor(output);
  if (!tty::isTerminal(fd)) {
    return false;
  }
  // The reset first: the terminal's own bold, underline or reverse video
  // would otherwise stay on under the new colours.
  return Sequence()
      .text("\x1b[0;")
      .number(foregroundCode(attribute & 0x0Fu))
      .text(";")
      .number(backgroundCode((attribute >> 4) & 0x0Fu))
      .text("m")
      .writeTo(fd);
}

bool setWindowRect(Handle output, std::int16_t left, std::int16_t top, std::int16_t right,
                   std::int16_t bottom) {
  const int fd = descriptor(output);
  if (!tty::isTerminal(fd) || left < 0 || top < 0 || right < left || bottom < top) {
    return false;
  }
  return Sequence()
      .text("\x1b[8;")
      .number(static_cast<unsigned>(bottom - top) + 1)
      .text(";")
      .number(static_cast<unsigned>(right - left) + 1)
      .text("t")
      .writeTo(fd);
}

// The title goes to the controlling terminal, so that it is set also when
// standard output is a file or a pipe. OSC 0 names both the window and its
// icon, as a console's title does.
bool setTitle(const char* title) {
  const Descriptor terminal = tty::openControllingTerminal(O_WRONLY);
  if (!terminal.valid()) {
    return false;
  }
  const std::string sequence = "\x1b]0;" + tty::titleText(title) + "\a";
  return writeFully(terminal.get(), sequence.data(), sequence.size());
}

// The screen that shows the program's output is cleared, scroll-back
// included, as a console's buffer is cleared whole. With standard output a
// file or a pipe there is no such screen: nothing is written, rather than
// escape sequences into the data.
void clearScreen() {
  const int fd = descriptor(standardOutput());
  if (tty::isTerminal(fd)) {
    constexpr std::string_view kClear = "\x1b[H\x1b[2J\x1b[3J";
    writeFully(fd, kClear.data(), kClear.size());
  }
}

}  // namespace cmdcode::platform

// Console text on POSIX: the standard streams. A terminal brings its own line
// editing and echo; pipes and files are read a line at a time.
#include <termios.h>
#include <unistd.h>

#include <cstddef>

#include "cmdcode/platform/pipe_lines.hpp"
#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/posix/descriptor.hpp"
#include "cmdcode/platform/posix/terminal.hpp"

namespace cmdcode::platform {
namespace {

std::int32_t readBytes(Handle input, char* data, std::int32_t capacity) {
  const ssize_t got = readRetrying(descriptor(input), data, static_cast<std::size_t>(capacity));
  return got > 0 ? static_cast<std::int32_t>(got) : 0;
}

// A terminal in canonical mode delivers at most one line per read, ended by
// LF; the console convention is CR LF, so the LF becomes CR LF where the
// capacity leaves room for both.
std::int32_t readTerminalLine(int fd, char* buffer, std::int32_t capacity) {
  const ssize_t got = readRetrying(fd, buffer, static_cast<std::size_t>(capacity));
  if (got <= 0) {
    return kEndOfInput;
  }
  auto count = static_cast<std::int32_t>(got);
  if (buffer[count - 1] == '\n') {
    buffer[count - 1] = '\r';
    if (count < capacity) {
      buffer[count++] = '\n';
    }
  }
  return count;
}

}  // namespace

// A POSIX process reaches its terminal through the standard streams it was
// given; there is nothing to attach or detach.
void attachConsole() {}
void detachConsole() {}

Handle standardInput() { return STDIN_FILENO; }
Handle standardOutput() { return STDOUT_FILENO; }

void writeAll(Handle output, const char* bytes, std::int32_t count) {
  if (count > 0) {
    writeFully(descriptor(output), bytes, static_cast<std::size_t>(count));
  }
}

void discardTypeAhead(Handle input) {
  if (tty::isTerminal(descriptor(input))) {
    ::tcflush(descriptor(input), TCIFLUSH);
  }
}

std::int32_t readLine(Handle input, char* buffer, std::int32_t capacity) {
  if (capacity <= 0) {
    return 0;
  }
  return tty::isTerminal(descriptor(input)) ? readTerminalLine(descriptor(input), buffer, capacity)
                                            : readPipeLine(input, buffer, capacity, readBytes);
}

}  // namespace cmdcode::platform

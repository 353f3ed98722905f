// Console text on POSIX: the standard streams. A terminal brings its own line
// editing and echo; pipes and files are read a line at a time through a
// buffer that keeps whatever arrives after the line for the next read.
#include <cerrno>
#include <cstddef>
#include <termios.h>
#include <unistd.h>

#include "cmdcode/platform/platform.hpp"

namespace cmdcode::platform {
namespace {

int descriptor(Handle handle) { return static_cast<int>(handle); }

bool isTerminal(Handle handle) { return ::isatty(descriptor(handle)) == 1; }

// Bytes read from a pipe or file past the end of the line last delivered.
class LineBuffer {
 public:
  // Next byte of the input, or -1 at its end (or on a read error).
  int next(int fd) {
    if (begin_ == end_ && !fill(fd)) {
      return -1;
    }
    return static_cast<unsigned char>(data_[begin_++]);
  }

 private:
  bool fill(int fd) {
    for (;;) {
      const ssize_t got = ::read(fd, data_, sizeof data_);
      if (got > 0) {
        begin_ = 0;
        end_ = static_cast<std::size_t>(got);
        return true;
      }
      if (got < 0 && errno == EINTR) {
        continue;
      }
      return false;
    }
  }

  char data_[4096];
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

LineBuffer pipeInput;

// Delivers one line of a pipe or file as a console would: at most `capacity`
// characters of the line followed by CR LF; the rest of a longer line is
// dropped. A CR before the LF is the line end, not content.
std::int32_t readPipeLine(int fd, char* buffer, std::int32_t capacity) {
  std::int32_t count = 0;
  bool sawCarriageReturn = false;
  int byte = pipeInput.next(fd);
  if (byte < 0) {
    return kEndOfInput;
  }
  for (; byte >= 0 && byte != '\n'; byte = pipeInput.next(fd)) {
    if (sawCarriageReturn && count < capacity) {
      buffer[count++] = '\r';
    }
    sawCarriageReturn = byte == '\r';
    if (!sawCarriageReturn && count < capacity) {
      buffer[count++] = static_cast<char>(byte);
    }
  }
  if (byte < 0) {  // a last line without its line end arrives as it is
    if (sawCarriageReturn && count < capacity) {
      buffer[count++] = '\r';
    }
    return count;
  }
  for (char end : {'\r', '\n'}) {
    if (count < capacity) {
      buffer[count++] = end;
    }
  }
  return count;
}

// A terminal in canonical mode delivers at most one line per read, ended by
// LF; the console convention is CR LF, so the LF becomes CR LF where the
// capacity leaves room for both.
std::int32_t readTerminalLine(int fd, char* buffer, std::int32_t capacity) {
  ssize_t got;
  do {
    got = ::read(fd, buffer, static_cast<std::size_t>(capacity));
  } while (got < 0 && errno == EINTR);
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
  while (count > 0) {
    const ssize_t written = ::write(descriptor(output), bytes, static_cast<std::size_t>(count));
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return;
    }
    bytes += written;
    count -= static_cast<std::int32_t>(written);
  }
}

void discardTypeAhead(Handle input) {
  if (isTerminal(input)) {
    ::tcflush(descriptor(input), TCIFLUSH);
  }
}

std::int32_t readLine(Handle input, char* buffer, std::int32_t capacity) {
  if (capacity <= 0) {
    return 0;
  }
  const int fd = descriptor(input);
  return isTerminal(input) ? readTerminalLine(fd, buffer, capacity)
                           : readPipeLine(fd, buffer, capacity);
}

}  // namespace cmdcode::platform

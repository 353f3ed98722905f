#include "cmdcode/platform/posix/terminal.hpp"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace cmdcode::platform::tty {

bool isTerminal(int fd) { return ::isatty(fd) == 1; }

bool windowSize(int fd, int& rows, int& columns) {
  winsize size{};
  if (::ioctl(fd, TIOCGWINSZ, &size) != 0 || size.ws_row == 0 || size.ws_col == 0) {
    return false;
  }
  rows = size.ws_row;
  columns = size.ws_col;
  return true;
}

Descriptor openControllingTerminal(int accessMode) {
  int fd;
  do {
    fd = ::open("/dev/tty", accessMode | O_NOCTTY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  return Descriptor(fd);
}

}  // namespace cmdcode::platform::tty

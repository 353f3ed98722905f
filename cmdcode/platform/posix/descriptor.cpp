#include "cmdcode/platform/posix/descriptor.hpp"

#include <unistd.h>

#include <cerrno>

namespace cmdcode::platform {

bool writeFully(int fd, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(fd, bytes, count);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    // A write that takes nothing would take nothing again: give up rather
    // than spin.
    if (written <= 0) {
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

ssize_t readRetrying(int fd, void* bytes, std::size_t capacity) {
  ssize_t got;
  do {
    got = ::read(fd, bytes, capacity);
  } while (got < 0 && errno == EINTR);
  return got;
}

// Closing is not retried after EINTR: on Linux the descriptor is gone then.
void Descriptor::reset(int fd) {
  if (fd_ >= 0) {
    ::close(fd_);
  }
  fd_ = fd;
}

}  // namespace cmdcode::platform

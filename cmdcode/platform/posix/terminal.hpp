// Facts about terminals for the POSIX console, screen and keyboard code.
// Internal to the library.
#pragma once

namespace cmdcode::platform::tty {

bool isTerminal(int fd);

// The terminal's size in character cells; false when the descriptor is no
// terminal or the terminal does not know its size (a pseudo-terminal nobody
// has sized reports 0 x 0).
bool windowSize(int fd, int& rows, int& columns);

// Closes the descriptor it holds when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor();
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

// The process's controlling terminal (/dev/tty), whatever its standard
// streams are; not valid when the process has none. It never becomes the
// controlling terminal of a process that has none, and no program started
// later inherits it.
Descriptor openControllingTerminal(int accessMode);

}  // namespace cmdcode::platform::tty

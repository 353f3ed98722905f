// Plain descriptor I/O shared by the POSIX platform files. Internal to the
// library.
#pragma once

#include <sys/types.h>

#include <cstddef>

#include "cmdcode/platform/handle.hpp"

namespace cmdcode::platform {

// The descriptor a platform handle stands for on POSIX systems.
inline int descriptor(Handle handle) { return static_cast<int>(handle); }

// Writes every byte, retrying partial writes and interruptions; false when
// the output failed, or took nothing, before all of them were out.
bool writeFully(int fd, const char* bytes, std::size_t count);

// One read, repeated while a signal interrupts it before anything arrived.
ssize_t readRetrying(int fd, void* bytes, std::size_t capacity);

// Owns a descriptor and closes it when it goes out of scope or is replaced.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void reset(int fd = -1);

 private:
  int fd_;
};

}  // namespace cmdcode::platform

#include "cmdcode/platform/pipe_lines.hpp"

#include "cmdcode/platform/platform.hpp"

namespace cmdcode::platform {
namespace {

// Bytes read past the end of the line last delivered. The process reads one
// standard input, so one buffer serves it.
class ReadAhead {
 public:
  // Next byte of the input, or -1 at its end.
  int next(Handle input, ReadBytes read) {
    if (begin_ == end_) {
      end_ = read(input, data_, sizeof data_);
      begin_ = 0;
      if (end_ <= 0) {
        end_ = 0;
        return -1;
      }
    }
    return static_cast<unsigned char>(data_[begin_++]);
  }

 private:
  char data_[4096];
  std::int32_t begin_ = 0;
  std::int32_t end_ = 0;
};

ReadAhead readAhead;

}  // namespace

std::int32_t readPipeLine(Handle input, char* buffer, std::int32_t capacity, ReadBytes read) {
  int byte = readAhead.next(input, read);
  if (byte < 0) {
    return kEndOfInput;
  }
  std::int32_t count = 0;
  const auto keep = [&](char character) {
    if (count < capacity) {
      buffer[count++] = character;
    }
  };
  bool pendingCarriageReturn = false;
  for (; byte >= 0 && byte != '\n'; byte = readAhead.next(input, read)) {
    if (pendingCarriageReturn) {
      keep('\r');
    }
    pendingCarriageReturn = byte == '\r';
    if (!pendingCarriageReturn) {
      keep(static_cast<char>(byte));
    }
  }
  if (byte < 0) {
    if (pendingCarriageReturn) {
      keep('\r');
    }
    return count;
  }
  keep('\r');
  keep('\n');
  return count;
}

}  // namespace cmdcode::platform

#include "app/prompt_loop.hpp"

#include <cstdint>

#include "cmdcode/cmdcode.hpp"

namespace cmdcode::app {
namespace {

constexpr std::int32_t kQuitCode = 0x74697571;  // "quit"

// The clipboard gets the same decimal text that is echoed: the sign column's
// blank is skipped and the terminator stands in for it in the length.
void publishCode(std::int32_t code, char* buffer, std::int32_t size) {
  const std::int32_t length = formatInt(code, buffer, size);
  const char* start = buffer[0] == ' ' ? buffer + 1 : buffer;
  clipboardSetText(start, length);
}

}  // namespace

int runPromptLoop() {
  // A console line read delivers up to 255 characters and a terminator.
  char line[256];
  for (;;) {
    console.write(">").read(line);
    if (!console) {
      return 0;
    }
    const std::int32_t code = commandCode(line);
    publishCode(code, line, sizeof line);
    console.write(code).write(newline);
    if (code == kQuitCode) {
      return 0;
    }
  }
}

}  // namespace cmdcode::app

// Console text on Windows. A console brings its own line editing and echo
// and delivers each line with CR LF; pipes and files are read a line at a
// time.

#include "cmdcode/platform/pipe_lines.hpp"
#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/win32/native.hpp"

namespace cmdcode::platform {
namespace {

// The line a user ends with Ctrl+Z and Enter: the Windows console's way of
// saying that the input is over.
constexpr char kEndOfInputKey = '\x1a';
constexpr std::int32_t kEndOfInputLine = 3;  // Ctrl+Z, CR, LF

// Reads what the console still holds of a line that did not fit, so that it
// cannot reach a later read. Returns the number of characters dropped.
std::int32_t dropRestOfLine(HANDLE input) {
  std::int32_t dropped = 0;
  char rest[256];
  DWORD got = 0;
  while (ReadConsoleA(input, rest, sizeof rest, &got, nullptr) && got > 0) {
    dropped += static_cast<std::int32_t>(got);
    if (rest[got - 1] == '\n') {
      break;
    }
  }
  return dropped;
}

std::int32_t readConsoleLine(HANDLE input, char* buffer, std::int32_t capacity) {
  DWORD got = 0;
  // A line-mode console never delivers an empty read for a line (Enter alone
  // is CR LF): nothing at all means the read was cut short or failed.
  if (!ReadConsoleA(input, buffer, static_cast<DWORD>(capacity), &got, nullptr) || got == 0) {
    return kEndOfInput;
  }
  const auto count = static_cast<std::int32_t>(got);
  std::int32_t lineLength = count;
  if (buffer[count - 1] != '\n') {
    lineLength += dropRestOfLine(input);
  }
  if (buffer[0] == kEndOfInputKey && lineLength == kEndOfInputLine) {
    return kEndOfInput;
  }
  return count;
}

// The writer closing its end of a pipe (ERROR_BROKEN_PIPE) is the end of the
// input like the end of a file; so is any other failure.
std::int32_t readBytes(Handle input, char* data, std::int32_t capacity) {
  DWORD got = 0;
  if (!ReadFile(native(input), data, static_cast<DWORD>(capacity), &got, nullptr)) {
    return 0;
  }
  return static_cast<std::int32_t>(got);
}

}  // namespace

// A process started from a console shares it already; one started without
// (a GUI parent, a detached process) gets a new one. Either way the result
// says nothing the library acts on.
void attachConsole() { AllocConsole(); }
void detachConsole() { FreeConsole(); }

Handle standardInput() { return reinterpret_cast<Handle>(GetStdHandle(STD_INPUT_HANDLE)); }
Handle standardOutput() { return reinterpret_cast<Handle>(GetStdHandle(STD_OUTPUT_HANDLE)); }

void writeAll(Handle output, const char* bytes, std::int32_t count) {
  const HANDLE handle = native(output);
  const bool console = isConsole(handle);
  while (count > 0) {
    DWORD written = 0;
    const bool ok = console
                        ? WriteConsoleA(handle, bytes, static_cast<DWORD>(count), &written, nullptr)
                        : WriteFile(handle, bytes, static_cast<DWORD>(count), &written, nullptr);
    if (!ok || written == 0) {
      return;
    }
    bytes += written;
    count -= static_cast<std::int32_t>(written);
  }
}

void discardTypeAhead(Handle input) {
  const HANDLE handle = native(input);
  if (isConsole(handle)) {
    FlushConsoleInputBuffer(handle);
  }
}

std::int32_t readLine(Handle input, char* buffer, std::int32_t capacity) {
  if (capacity <= 0) {
    return 0;
  }
  const HANDLE handle = native(input);
  return isConsole(handle) ? readConsoleLine(handle, buffer, capacity)
                           : readPipeLine(input, buffer, capacity, readBytes);
}

}  // namespace cmdcode::platform

// Puts its whole standard input, NULs included, on the clipboard with
// clipboardSetText; exit status 1 when that gives false.
#include <cstdint>
#include <cstdio>
#include <string>

#include "cmdcode/clipboard/clipboard.hpp"

int main() {
  std::string input;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
    input.append(chunk, got);
  }
  const auto length = static_cast<std::int32_t>(input.size());
  return cmdcode::clipboardSetText(input.data(), length) ? 0 : 1;
}

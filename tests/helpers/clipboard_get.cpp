// Prints the clipboard's text as this library reads it from a second
// process; exit status 1 when it gives none.
#include <cstdio>
#include <string>

#include "cmdcode/clipboard/clipboard.hpp"

int main() {
  std::string text;
  if (!cmdcode::clipboardGetText(text)) {
    return 1;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 2;
}

// Holds the clipboard open, as another program would, until its standard
// input ends. Writes "held" once it holds it; exit status 1 when it cannot.
#include <cstdio>

#include "cmdcode/platform/platform.hpp"

int main() {
  namespace platform = cmdcode::platform;
  if (!platform::openClipboard()) {
    platform::closeClipboard();
    return 1;
  }
  std::fputs("held\n", stdout);
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  platform::closeClipboard();
  return 0;
}

// Performs the typed reads named by its arguments ("char", "int", "long",
// "double"), in order, on standard input, and prints one line per read (see
// typed_read.hpp).
#include <cstdio>
#include <string>

#include "typed_read.hpp"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string line = typed_read::outcome(argv[i]);
    if (line.empty()) {
      std::fprintf(stderr, "typed_reads: unknown read '%s'\n", argv[i]);
      return 2;
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  }
  return 0;
}

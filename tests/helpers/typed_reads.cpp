// Performs the typed reads named by its arguments ("char", "int", "long",
// "double"), in order, on standard input, and prints one line per read:
//   <kind> <value> <ok|ended>
// where a character is shown by its byte value (63, '?', when nothing
// arrived), a double with 17 significant digits, and "ended" tells that the
// console met the end of its input.
#include <cstdio>
#include <cstring>

#include "cmdcode/console/console.hpp"

using cmdcode::console;

namespace {

const char* state() { return console ? "ok" : "ended"; }

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const char* kind = argv[i];
    if (std::strcmp(kind, "char") == 0) {
      char value = '?';
      console.read(value);
      std::printf("char %d %s\n", static_cast<unsigned char>(value), state());
    } else if (std::strcmp(kind, "int") == 0) {
      int value = 12345;
      console.read(value);
      std::printf("int %d %s\n", value, state());
    } else if (std::strcmp(kind, "long") == 0) {
      long value = 12345;
      console.read(value);
      std::printf("long %ld %s\n", value, state());
    } else if (std::strcmp(kind, "double") == 0) {
      double value = 12345.0;
      console.read(value);
      std::printf("double %.17g %s\n", value, state());
    } else {
      std::fprintf(stderr, "typed_reads: unknown read '%s'\n", kind);
      return 2;
    }
    std::fflush(stdout);
  }
  return 0;
}

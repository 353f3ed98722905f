// One typed read of the console, shared by the helper programs that report
// them: the read named by `kind` ("char", "int", "long", "double") and the
// line that tells its outcome,
//   <kind> <value> <ok|ended>
// where a character is shown by its byte value (63, '?', when nothing
// arrived), a double with 17 significant digits, and "ended" tells that the
// console met the end of its input. An unknown kind gives an empty line.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

#include "cmdcode/console/console.hpp"

namespace typed_read {

inline std::string outcome(const char* kind) {
  using cmdcode::console;
  // Each destination starts with a value no read gives, so that one the read
  // left alone shows.
  char line[96];
  const auto state = [] { return console ? "ok" : "ended"; };
  if (std::strcmp(kind, "char") == 0) {
    char value = '?';
    console.read(value);
    std::snprintf(line, sizeof line, "char %d %s", static_cast<unsigned char>(value), state());
  } else if (std::strcmp(kind, "int") == 0) {
    int value = 12345;
    console.read(value);
    std::snprintf(line, sizeof line, "int %d %s", value, state());
  } else if (std::strcmp(kind, "long") == 0) {
    long value = 12345;
    console.read(value);
    std::snprintf(line, sizeof line, "long %ld %s", value, state());
  } else if (std::strcmp(kind, "double") == 0) {
    double value = 12345.0;
    console.read(value);
    std::snprintf(line, sizeof line, "double %.17g %s", value, state());
  } else {
    return "";
  }
  return line;
}

}  // namespace typed_read

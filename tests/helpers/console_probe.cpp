// Drives the console at a terminal for the end-to-end scripts. The first
// argument is a log file; the others are operations, run in order, each
// logging one line as it starts or ends, so that a script can tell what the
// program is doing without reading the screen it is testing:
//
//   read-char | read-int | read-long | read-double
//                         logs "read <kind>", reads, logs "<kind> <value> <ok|ended>"
//                         (a character by its byte value, 63 when none arrived)
//   pause | pause-show    logs "pause", pause(false) / pause(true), "paused"
//   keys N                logs "keys", then "key <code>" for N keys
//   cursor X Y            logs "cursor X Y <true|false>"
//   attribute A           (A may be hexadecimal: 0x1F) logs "attribute A <result>"
//   window L R T B        logs "window L R T B <result>"
//   title TEXT            logs "title <result>"
//   clear | beep          log "clear true" / "beep true"
//   write TEXT | line TEXT  write TEXT, without / with a line end
//   wait-file PATH        logs "wait-file", waits until PATH exists
// and at the end it logs "end".
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "cmdcode/console/console.hpp"
#include "cmdcode/platform/platform.hpp"
#include "typed_read.hpp"

using cmdcode::console;

namespace {

std::FILE* logFile = nullptr;

template <typename... Values>
void log(const char* format, Values... values) {
  std::fprintf(logFile, format, values...);
  std::fputc('\n', logFile);
  std::fflush(logFile);
}

const char* truth(bool value) { return value ? "true" : "false"; }

int number(const char* text) { return static_cast<int>(std::strtol(text, nullptr, 0)); }

class Arguments {
 public:
  Arguments(int count, char** values) : count_(count), values_(values) {}
  bool more() const { return next_ < count_; }
  // The next argument; the program stops when one is missing.
  const char* take() {
    if (next_ >= count_) {
      std::fprintf(stderr, "console_probe: an operation lacks its arguments\n");
      std::exit(2);
    }
    return values_[next_++];
  }

 private:
  int count_;
  char** values_;
  int next_ = 2;
};

bool run(const char* operation, Arguments& arguments) {
  const auto is = [operation](const char* name) { return std::strcmp(operation, name) == 0; };
  if (std::strncmp(operation, "read-", 5) == 0) {
    const char* kind = operation + 5;
    log("read %s", kind);
    const std::string outcome = typed_read::outcome(kind);
    if (outcome.empty()) return false;
    log("%s", outcome.c_str());
  } else if (is("pause") || is("pause-show")) {
    log("pause");
    console.pause(is("pause-show"));
    log("paused");
  } else if (is("keys")) {
    const int count = number(arguments.take());
    log("keys");
    for (int i = 0; i < count; ++i) {
      log("key %d", cmdcode::platform::waitForKey());
    }
  } else if (is("cursor")) {
    const int x = number(arguments.take());
    const int y = number(arguments.take());
    log("cursor %d %d %s", x, y, truth(console.setCursor(x, y)));
  } else if (is("attribute")) {
    const char* text = arguments.take();
    log("attribute %s %s", text, truth(console.setAttribute(number(text))));
  } else if (is("window")) {
    int edges[4];
    for (int& edge : edges) edge = number(arguments.take());
    log("window %d %d %d %d %s", edges[0], edges[1], edges[2], edges[3],
        truth(console.setWindow(edges[0], edges[1], edges[2], edges[3])));
  } else if (is("title")) {
    log("title %s", truth(console.setTitle(arguments.take())));
  } else if (is("clear")) {
    log("clear %s", truth(console.clearScreen()));
  } else if (is("beep")) {
    log("beep %s", truth(console.beep()));
  } else if (is("write")) {
    console.write(arguments.take());
  } else if (is("line")) {
    console.write(arguments.take()).write(cmdcode::newline);
  } else if (is("wait-file")) {
    const char* path = arguments.take();
    log("wait-file");
    while (!std::filesystem::exists(path)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || (logFile = std::fopen(argv[1], "a")) == nullptr) {
    std::fprintf(stderr, "usage: console_probe LOG OPERATION...\n");
    return 2;
  }
  Arguments arguments(argc, argv);
  while (arguments.more()) {
    const char* operation = arguments.take();
    if (!run(operation, arguments)) {
      std::fprintf(stderr, "console_probe: unknown operation '%s'\n", operation);
      return 2;
    }
  }
  log("end");
  return 0;
}

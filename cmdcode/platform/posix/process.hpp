// Running a helper program without a shell, bounded in time, leaving no
// zombie and nothing of ours behind in it.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace cmdcode::platform {

// The full path of an executable `name` found on PATH, or an empty string.
std::string findProgram(std::string_view name);

struct ProgramRun {
  // The program's full path first, then its arguments.
  std::vector<std::string> arguments{};
  // Given on standard input, which then ends.
  std::string_view input{};
  // Receives standard output when not null; standard output goes to
  // /dev/null otherwise. Standard error always does.
  std::string* output = nullptr;
  // Output beyond this makes the run fail rather than exhaust memory.
  std::size_t outputLimit = std::size_t{64} << 20;
  // Past this the program and whatever it started in its own process group
  // are killed.
  std::chrono::milliseconds timeout{2000};
};

// True when the program ran, took its input, and exited with status 0 within
// the timeout. The program runs in a session of its own, so that a server it
// leaves behind (xclip keeping a selection) outlives the caller's terminal;
// it inherits none of the caller's descriptors beyond standard input, output
// and error, which are the ones given above.
bool runProgram(const ProgramRun& run);

}  // namespace cmdcode::platform

// Helper programs run by the clipboard: input and output carried in full,
// exit status heeded, the time bound kept with nothing left running or
// unreaped, and nothing of the caller's leaking into the program.
#include "cmdcode/platform/posix/process.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using cmdcode::platform::findProgram;
using cmdcode::platform::ProgramRun;
using cmdcode::platform::runProgram;
using namespace std::chrono_literals;

std::string shell() { return findProgram("sh"); }

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// True while a process exists and has not ended; a zombie has ended.
bool isRunning(pid_t pid) {
  const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t end = stat.rfind(')');
  return end != std::string::npos && end + 2 < stat.size() && stat[end + 2] != 'Z';
}

// A killed process that is not our child ends a moment later, when the
// system gets to it; this waits for that, within reason.
bool endsSoon(pid_t pid) {
  for (int i = 0; i < 500 && isRunning(pid); ++i) {
    ::usleep(10'000);
  }
  return !isRunning(pid);
}

class TemporaryFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/cmdcode-process-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string folder_;
};

using RunProgram = TemporaryFolder;

TEST_F(RunProgram, CarriesInputAndOutputInFull) {
  // More than a pipe holds, both ways at once, with every byte value.
  std::string input(1 << 20, '\0');
  for (std::size_t i = 0; i < input.size(); ++i) {
    input[i] = static_cast<char>(i * 7 % 256);
  }
  std::string output;
  ProgramRun run{.arguments = {findProgram("cat")}, .input = input, .output = &output};
  ASSERT_TRUE(runProgram(run));
  EXPECT_TRUE(output == input) << "got " << output.size() << " bytes";
}

TEST_F(RunProgram, SucceedsOnlyOnExitStatusZero) {
  const struct {
    std::string program;
    bool expected;
  } cases[] = {
      {findProgram("true"), true},
      {findProgram("false"), false},
      {folder_ + "/no-such-program", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program);
    EXPECT_EQ(runProgram(ProgramRun{.arguments = {c.program}}), c.expected);
  }
}

TEST_F(RunProgram, OutputBeyondTheLimitFails) {
  std::string output;
  ProgramRun run{.arguments = {findProgram("head"), "-c", "5000", "/dev/zero"}, .output = &output};
  run.outputLimit = 4999;
  EXPECT_FALSE(runProgram(run));
  run.outputLimit = 5000;
  output.clear();
  EXPECT_TRUE(runProgram(run));
  EXPECT_EQ(output.size(), 5000u);
}

TEST_F(RunProgram, OverrunKillsAndReapsTheProgramAndWhatItStarted) {
  // The program records its own number and that of a child it starts; with
  // output captured, the child also keeps the output pipe open.
  const std::string pids = folder_ + "/pids";
  for (const bool capture : {false, true}) {
    SCOPED_TRACE(capture ? "output captured" : "output discarded");
    std::filesystem::remove(pids);  // no numbers left from the run before
    std::string output;
    ProgramRun run{.arguments = {shell(), "-c", "sleep 30 & echo \"$$ $!\" > \"$0\"; wait", pids}};
    run.output = capture ? &output : nullptr;
    // Room for the shell to start and write its numbers on a loaded machine.
    run.timeout = 1s;
    EXPECT_FALSE(runProgram(run));
    pid_t program = 0, started = 0;
    std::istringstream(readFile(pids)) >> program >> started;
    ASSERT_GT(program, 0);
    ASSERT_GT(started, 0);
    // Reaped: not even a zombie is left of the program itself.
    errno = 0;
    EXPECT_EQ(::kill(program, 0), -1);
    EXPECT_EQ(errno, ESRCH);
    EXPECT_TRUE(endsSoon(started));
    ::kill(started, SIGKILL);
  }
}

TEST_F(RunProgram, DoesNotWaitForAServerTheProgramLeavesBehind) {
  // xclip keeps the selection this way: it forks a server and exits. With
  // output discarded nothing of ours is held by the server, so the run ends
  // when the program does, well within its time bound.
  const std::string pid = folder_ + "/pid";
  ProgramRun run{.arguments = {shell(), "-c", "sleep 30 & echo $! > \"$0\"", pid}};
  run.timeout = 20s;
  EXPECT_TRUE(runProgram(run));
  const pid_t server = std::stoi(readFile(pid));
  EXPECT_TRUE(isRunning(server));
  ::kill(server, SIGKILL);
}

TEST_F(RunProgram, AProgramThatStopsReadingDoesNotRaiseSigpipe) {
  // SIGPIPE as a program has it by default, where it ends the process; the
  // test's own parent may have left it ignored.
  struct sigaction byDefault = {}, saved;
  byDefault.sa_handler = SIG_DFL;
  ASSERT_EQ(::sigaction(SIGPIPE, &byDefault, &saved), 0);
  const std::string input(4 << 20, 'x');
  EXPECT_FALSE(runProgram(ProgramRun{.arguments = {findProgram("true")}, .input = input}));
  sigset_t pending;
  ::sigpending(&pending);
  EXPECT_EQ(::sigismember(&pending, SIGPIPE), 0);
  ::sigaction(SIGPIPE, &saved, nullptr);
}

TEST_F(RunProgram, CallerDescriptorsDoNotReachTheProgram) {
  if (::access("/proc/self/fd", F_OK) != 0) {
    GTEST_SKIP() << "no /proc/self/fd";
  }
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);  // without close-on-exec, as a careless caller leaves it
  const auto isOpenInProgram = [](int fd) {
    const std::string test = "[ -e /proc/self/fd/" + std::to_string(fd) + " ]";
    return runProgram(ProgramRun{.arguments = {shell(), "-c", test}});
  };
  EXPECT_TRUE(isOpenInProgram(STDERR_FILENO));
  EXPECT_FALSE(isOpenInProgram(ends[0]));
  EXPECT_FALSE(isOpenInProgram(ends[1]));
  ::close(ends[0]);
  ::close(ends[1]);
}

class FindProgram : public TemporaryFolder {
 protected:
  void SetUp() override {
    TemporaryFolder::SetUp();
    const char* path = std::getenv("PATH");
    savedPath_ = path != nullptr ? path : "";
    savedFolder_ = std::filesystem::current_path();
  }
  void TearDown() override {
    ::setenv("PATH", savedPath_.c_str(), 1);
    std::filesystem::current_path(savedFolder_);
    TemporaryFolder::TearDown();
  }

 private:
  std::string savedPath_;
  std::filesystem::path savedFolder_;
};

TEST_F(FindProgram, SearchesOnlyAbsoluteFoldersOfPath) {
  const std::string program = folder_ + "/cmdcode-test-program";
  std::ofstream(program) << "#!/bin/sh\n";
  ::chmod(program.c_str(), 0700);
  std::filesystem::current_path(folder_);
  const struct {
    std::string path;
    std::string name;
    std::string expected;
  } cases[] = {
      {folder_, "cmdcode-test-program", program},
      {"/nowhere:" + folder_, "cmdcode-test-program", program},
      {".:", "cmdcode-test-program", ""},  // the current folder, twice over
      {"", "cmdcode-test-program", ""},
      {folder_, "./cmdcode-test-program", ""},
      {folder_, "", ""},
      {folder_, "cmdcode-other-program", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("PATH=" + c.path + " name=" + c.name);
    ::setenv("PATH", c.path.c_str(), 1);
    EXPECT_EQ(findProgram(c.name), c.expected);
  }
}

TEST_F(FindProgram, SkipsFilesThatCannotRun) {
  std::ofstream(folder_ + "/cmdcode-plain-file") << "text\n";
  std::filesystem::create_directory(folder_ + "/cmdcode-folder");
  ::setenv("PATH", folder_.c_str(), 1);
  EXPECT_EQ(findProgram("cmdcode-plain-file"), "");
  EXPECT_EQ(findProgram("cmdcode-folder"), "");
}

}  // namespace

// A helper program of the test suite (tests/helpers), its standard input and
// output joined to the test by pipes. It is killed and reaped when the object
// goes, unless the test waited for it.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

extern char** environ;

class HelperProcess {
 public:
  explicit HelperProcess(const char* name, std::vector<std::string> arguments = {}) {
    int input[2], output[2];
    if (::pipe2(input, O_CLOEXEC) != 0) {
      return;
    }
    if (::pipe2(output, O_CLOEXEC) != 0) {
      ::close(input[0]);
      ::close(input[1]);
      return;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    std::string path = std::string(CMDCODE_HELPER_DIR) + "/" + name;
    std::vector<char*> argv{path.data()};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);
    input_ = input[1];
    output_ = output[0];
  }
  ~HelperProcess() {
    closeInput();
    if (output_ >= 0) {
      ::close(output_);
    }
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  bool started() const { return pid_ > 0; }

  void write(std::string_view bytes) {
    ASSERT_EQ(::write(input_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  void closeInput() {
    if (input_ >= 0) {
      ::close(input_);
      input_ = -1;
    }
  }

  // Output up to the end of a line (included) or of the output.
  std::string readLine() {
    std::string line;
    char byte;
    while (::read(output_, &byte, 1) == 1) {
      line += byte;
      if (byte == '\n') {
        break;
      }
    }
    return line;
  }

  std::string readAll() {
    std::string all;
    for (std::string line; !(line = readLine()).empty();) {
      all += line;
    }
    return all;
  }

  // The exit status, or -1 when it did not exit normally.
  int wait() {
    int status = 0;
    const pid_t pid = std::exchange(pid_, -1);
    if (pid <= 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
      return -1;
    }
    return WEXITSTATUS(status);
  }

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
};

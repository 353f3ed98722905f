// Standard output put through a pipe for the length of a test, so that what
// the console writes can be read back byte for byte.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

class StdoutPipe : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::pipe(pipe_), 0);
    saved_ = ::dup(STDOUT_FILENO);
    ASSERT_GE(saved_, 0);
    ASSERT_EQ(::dup2(pipe_[1], STDOUT_FILENO), STDOUT_FILENO);
    ::close(pipe_[1]);
    ::fcntl(pipe_[0], F_SETFL, O_NONBLOCK);
  }

  void TearDown() override {
    ::dup2(saved_, STDOUT_FILENO);
    ::close(saved_);
    ::close(pipe_[0]);
  }

  // Everything written since the last call; the pipe is drained without
  // waiting.
  std::string written() {
    std::string bytes;
    char chunk[256];
    ssize_t got;
    while ((got = ::read(pipe_[0], chunk, sizeof chunk)) > 0) {
      bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
  }

 private:
  int pipe_[2] = {-1, -1};
  int saved_ = -1;
};

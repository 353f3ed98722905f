// The escape sequences the console sends to a terminal, read at the master
// side of a pseudo-terminal whose slave stands in for standard output.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "cmdcode/console/console.hpp"
#include "cmdcode/platform/platform.hpp"

namespace {

using cmdcode::console;

class TerminalOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(::grantpt(master_), 0);
    ASSERT_EQ(::unlockpt(master_), 0);
    slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave_, 0);
    resize(24, 80);
    saved_ = ::dup(STDOUT_FILENO);
    ASSERT_GE(saved_, 0);
    ASSERT_EQ(::dup2(slave_, STDOUT_FILENO), STDOUT_FILENO);
  }

  void TearDown() override {
    ::dup2(saved_, STDOUT_FILENO);
    ::close(saved_);
    ::close(slave_);
    ::close(master_);
  }

  void resize(unsigned short rows, unsigned short columns) {
    winsize size{};
    size.ws_row = rows;
    size.ws_col = columns;
    ASSERT_EQ(::ioctl(slave_, TIOCSWINSZ, &size), 0);
  }

  // What reached the terminal since the last call: everything before a
  // marker written after it, so nothing in transit is missed.
  std::string written() {
    const char marker = '|';
    EXPECT_EQ(::write(slave_, &marker, 1), 1);
    std::string bytes;
    for (;;) {
      pollfd ready{master_, POLLIN, 0};
      if (::poll(&ready, 1, 2000) != 1) return bytes + "(timed out)";
      char byte;
      if (::read(master_, &byte, 1) != 1) return bytes + "(read failed)";
      if (byte == marker) return bytes;
      bytes += byte;
    }
  }

  int slave() const { return slave_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  int saved_ = -1;
};

struct CursorCase {
  int x;
  int y;
  const char* sequence;  // null when refused
};

TEST_F(TerminalOutput, CursorGoesToCellsOnTheScreenOnly) {
  const CursorCase cases[] = {
      {0, 0, "\x1b[1;1H"}, {79, 23, "\x1b[24;80H"}, {12, 3, "\x1b[4;13H"},       {80, 0, nullptr},
      {0, 24, nullptr},    {-1, 5, nullptr},        {65536 + 3, 2, "\x1b[3;4H"},  // the low 16 bits
      {65535, 0, nullptr},                                                        // -1 in 16 bits
  };
  for (const CursorCase& c : cases) {
    EXPECT_EQ(console.setCursor(c.x, c.y), c.sequence != nullptr) << c.x << "," << c.y;
    EXPECT_EQ(written(), c.sequence != nullptr ? c.sequence : "") << c.x << "," << c.y;
  }
}

TEST_F(TerminalOutput, CursorGoesAnywhereWhenTheTerminalDoesNotKnowItsSize) {
  resize(0, 0);
  EXPECT_TRUE(console.setCursor(500, 300));
  EXPECT_EQ(written(), "\x1b[301;501H");
}

struct AttributeCase {
  int attribute;
  const char* sequence;
};

TEST_F(TerminalOutput, AttributeColoursBecomeAnsiColours) {
  const AttributeCase cases[] = {
      {0x07, "\x1b[0;37;40m"},    // light grey on black
      {0x01, "\x1b[0;34;40m"},    // blue
      {0x04, "\x1b[0;31;40m"},    // red
      {0x06, "\x1b[0;33;40m"},    // brown
      {0x0C, "\x1b[0;91;40m"},    // light red
      {0x0E, "\x1b[0;93;40m"},    // yellow
      {0x1F, "\x1b[0;97;44m"},    // white on blue
      {0x4E, "\x1b[0;93;41m"},    // yellow on red
      {0x90, "\x1b[0;30;104m"},   // black on light blue
      {0xF0, "\x1b[0;30;107m"},   // black on white
      {0xFF07, "\x1b[0;37;40m"},  // the bits above the low byte count for nothing
  };
  for (const AttributeCase& c : cases) {
    EXPECT_TRUE(console.setAttribute(c.attribute)) << c.attribute;
    EXPECT_EQ(written(), c.sequence) << c.attribute;
  }
}

struct WindowCase {
  int left, right, top, bottom;  // in setWindow's order
  const char* sequence;          // null when refused
};

TEST_F(TerminalOutput, WindowRectangleAsksForItsSize) {
  const WindowCase cases[] = {
      {0, 79, 0, 24, "\x1b[8;25;80t"},
      {0, 79, 5, 9, "\x1b[8;5;80t"},  // the vertical pair comes second
      {10, 10, 3, 3, "\x1b[8;1;1t"},
      {5, 4, 0, 10, nullptr},  // right of left
      {0, 10, 5, 4, nullptr},  // bottom above top
      {-1, 10, 0, 10, nullptr},
      {0, 10, -2, 10, nullptr},
  };
  for (const WindowCase& c : cases) {
    EXPECT_EQ(console.setWindow(c.left, c.right, c.top, c.bottom), c.sequence != nullptr)
        << c.left << " " << c.right << " " << c.top << " " << c.bottom;
    EXPECT_EQ(written(), c.sequence != nullptr ? c.sequence : "")
        << c.left << " " << c.right << " " << c.top << " " << c.bottom;
  }
}

TEST_F(TerminalOutput, ClearScreenClearsScrollBackTooAndHomesTheCursor) {
  EXPECT_TRUE(console.clearScreen());
  EXPECT_EQ(written(), "\x1b[H\x1b[2J\x1b[3J");
}

}  // namespace

// The console when standard output is a pipe, standard input a pipe, or the
// process has no terminal at all: what it refuses, what it still does, and
// what the typed reads store.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cmdcode/console/console.hpp"
#include "cmdcode/platform/platform.hpp"
#include "unit/posix/helper_process.hpp"
#include "unit/posix/stdout_pipe.hpp"

namespace {

using cmdcode::console;

using OutputToPipe = StdoutPipe;

TEST_F(OutputToPipe, CursorAttributeAndWindowAreRefusedAndWriteNothing) {
  EXPECT_FALSE(console.setCursor(0, 0));
  EXPECT_FALSE(console.setAttribute(0x07));
  EXPECT_FALSE(console.setWindow(0, 79, 0, 24));
  EXPECT_EQ(written(), "");
}

TEST_F(OutputToPipe, ClearScreenSucceedsWithoutWritingIntoTheData) {
  EXPECT_TRUE(console.clearScreen());
  EXPECT_EQ(written(), "");
}

TEST_F(OutputToPipe, BeepWritesTheBellAlone) {
  EXPECT_TRUE(console.beep());
  EXPECT_EQ(written(), "\a");
}

TEST(ConsoleTitle, NullTitleIsRefused) { EXPECT_FALSE(console.setTitle(nullptr)); }

// In a session of its own the process has no controlling terminal: the title
// has nowhere to go, and the pause has no keyboard to wait for, so it must
// return at once rather than hang.
TEST(NoTerminal, TitleRefusedPauseAndKeyReturnAtOnce) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::alarm(5);  // a pause that waits ends the child with SIGALRM
    int faults = 0;
    if (::setsid() < 0) faults |= 1;
    if (console.setTitle("no terminal")) faults |= 2;
    if (!console.pause(false)) faults |= 4;
    if (cmdcode::platform::waitForKey() != -1) faults |= 8;
    ::_exit(faults);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "fault bits: 1 setsid, 2 title, 4 pause, 8 key";
}

// Runs the typed_reads helper with `input` on its standard input and gives
// what it printed.
std::string typedReads(const std::vector<std::string>& reads, const std::string& input) {
  HelperProcess helper("typed_reads", reads);
  if (!helper.started()) return "spawn failed";
  // Small enough for the pipe: the write does not wait for the reader.
  helper.write(input);
  helper.closeInput();
  std::string output = helper.readAll();
  if (helper.wait() != 0) output += "(failed)";
  return output;
}

struct TypedReadCase {
  std::vector<std::string> reads;
  std::string input;
  std::string printed;
};

// A value of long that the 20 digits give: modulo 2^64 where long has 64
// bits, modulo 2^32 where it has 32.
const std::string kLongOf20Digits = sizeof(long) == 8 ? "-6101065172474983726" : "-350287150";
const std::string kLongOver32Bits = sizeof(long) == 8 ? "4294967297" : "1";

TEST(TypedReadsFromAPipe, StoreWhatEachLineGives) {
  const TypedReadCase cases[] = {
      {{"int"}, "42\n", "int 42 ok\n"},
      {{"int"}, "  -17xyz\r\n", "int -17 ok\n"},
      {{"int"}, "\n", "int 0 ok\n"},
      {{"int"}, "- 5\n", "int 0 ok\n"},
      {{"int"}, "2147483648\n", "int -2147483648 ok\n"},
      {{"int"}, "12345678901234567890\n", "int -350287150 ok\n"},
      {{"long"}, "4294967297\n", "long " + kLongOver32Bits + " ok\n"},
      {{"long"}, "12345678901234567890\n", "long " + kLongOf20Digits + " ok\n"},
      {{"double"}, " -2.5e3\n", "double -2500 ok\n"},
      {{"double"}, "1.5d2\n", "double 150 ok\n"},
      {{"double"}, "1,5\n", "double 1 ok\n"},
      {{"double"}, "1e-400\n", "double 0 ok\n"},
      {{"double"}, "-1e400\n", "double -inf ok\n"},
      {{"double"}, "-0\n", "double -0 ok\n"},
      {{"char"}, "xyz\n", "char 120 ok\n"},
      {{"char"}, "\n", "char 13 ok\n"},
      // Each read takes a line of its own; what a read leaves of its line
      // does not reach the next one.
      {{"char", "char", "int"}, "xyz\n\n7\n", "char 120 ok\nchar 13 ok\nint 7 ok\n"},
      {{"int", "int"}, "123456789012345678901234\n-8\n", "int -350287150 ok\nint -8 ok\n"},
      // A last line without its line end still counts.
      {{"double", "int"}, "2.5", "double 2.5 ok\nint 0 ended\n"},
  };
  for (const TypedReadCase& c : cases) {
    EXPECT_EQ(typedReads(c.reads, c.input), c.printed) << "input: " << c.input;
  }
}

TEST(TypedReadsFromAPipe, EndOfInputStoresZeroAndEndsTheConsole) {
  // A character read that gets nothing leaves the destination ('?') alone.
  EXPECT_EQ(typedReads({"int", "long", "double", "char"}, ""),
            "int 0 ended\nlong 0 ended\ndouble 0 ended\nchar 63 ended\n");
}

}  // namespace

// What the console's writers hand to standard output, byte for byte, read
// back through a pipe put in place of standard output.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "cmdcode/console/console.hpp"
#include "unit/posix/stdout_pipe.hpp"

namespace {

using cmdcode::console;

class ConsoleWrite : public StdoutPipe {};

TEST_F(ConsoleWrite, TextAndCharactersGoOutAsTheyAre) {
  console.write("").write("ab").write('\0').write('\xff').write(cmdcode::tab);
  EXPECT_EQ(written(), std::string("ab\0\xff\t", 5));
}

TEST_F(ConsoleWrite, IntegersInPlainDecimal) {
  console.write(0).write(' ').write(-1).write(' ').write(INT_MAX).write(' ').write(INT_MIN);
  EXPECT_EQ(written(), "0 -1 2147483647 -2147483648");
  console.write(0u).write(' ').write(UINT_MAX).write(' ').write(static_cast<unsigned>(-1));
  EXPECT_EQ(written(), "0 4294967295 4294967295");
}

TEST_F(ConsoleWrite, LongCarriesItsFullWidth) {
  console.write(LONG_MIN).write(' ').write(ULONG_MAX);
  EXPECT_EQ(written(), std::to_string(LONG_MIN) + " " + std::to_string(ULONG_MAX));
}

TEST_F(ConsoleWrite, RealsWithTenSignificantDigits) {
  console.write(1.0).write(' ').write(2.0 / 3.0).write(' ').write(1e10).write(' ').write(0.1f);
  EXPECT_EQ(written(), "1. 0.6666666667 1.e+010 0.1000000015");
}

TEST_F(ConsoleWrite, ChainsWriteInOrderOnTheSameConsole) {
  EXPECT_EQ(&console.write(">").write(cmdcode::newline), &console);
  EXPECT_EQ(written(), ">\n");
}

}  // namespace

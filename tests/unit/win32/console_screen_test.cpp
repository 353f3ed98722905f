// Screen control at a real console, checked against what the console itself
// reports afterwards.
#include <cstring>

#include "unit/win32/console_fixture.hpp"

namespace cmdcode::platform::testing {
namespace {

TEST_F(Win32ConsoleTest, CursorMovesWithinTheBufferOnly) {
  const COORD size = screenInfo().dwSize;
  ASSERT_TRUE(setCursorPosition(output(), 3, 2));
  EXPECT_EQ(screenInfo().dwCursorPosition.X, 3);
  EXPECT_EQ(screenInfo().dwCursorPosition.Y, 2);
  EXPECT_FALSE(setCursorPosition(output(), -1, 0));
  EXPECT_FALSE(setCursorPosition(output(), size.X, 0));
  EXPECT_FALSE(setCursorPosition(output(), 0, size.Y));
  EXPECT_EQ(screenInfo().dwCursorPosition.X, 3);
}

TEST_F(Win32ConsoleTest, AttributeIsTakenAsItIs) {
  const WORD previous = screenInfo().wAttributes;
  ASSERT_TRUE(setTextAttribute(output(), 0x1e));
  EXPECT_EQ(screenInfo().wAttributes, 0x1e);
  setTextAttribute(output(), previous);
}

TEST_F(Win32ConsoleTest, WindowTakesAnAbsoluteRectangle) {
  const SMALL_RECT previous = screenInfo().srWindow;
  ASSERT_TRUE(setWindowRect(output(), 0, 0, 39, 9));
  const SMALL_RECT window = screenInfo().srWindow;
  EXPECT_EQ(window.Left, 0);
  EXPECT_EQ(window.Top, 0);
  EXPECT_EQ(window.Right, 39);
  EXPECT_EQ(window.Bottom, 9);
  const COORD size = screenInfo().dwSize;
  EXPECT_FALSE(setWindowRect(output(), 0, 0, size.X, 9));
  setWindowRect(output(), previous.Left, previous.Top, previous.Right, previous.Bottom);
}

TEST_F(Win32ConsoleTest, TitleIsTheConsolesOwn) {
  ASSERT_TRUE(setTitle("cmdcode title"));
  char title[64] = {};
  GetConsoleTitleA(title, sizeof title);
  EXPECT_STREQ(title, "cmdcode title");
}

}  // namespace
}  // namespace cmdcode::platform::testing

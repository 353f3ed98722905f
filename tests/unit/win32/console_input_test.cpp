// Line reads and key waits at a real console, fed with key events.
#include <string>
#include <vector>

#include "unit/win32/console_fixture.hpp"

namespace cmdcode::platform::testing {
namespace {

// What one readLine delivered: its bytes, or "<end>" for kEndOfInput.
std::string readOnce(Handle input, std::int32_t capacity) {
  char buffer[300];
  const std::int32_t count = readLine(input, buffer, capacity);
  return count == kEndOfInput ? "<end>" : std::string(buffer, static_cast<std::size_t>(count));
}

struct LineCase {
  const char* name;
  std::string typed;
  std::int32_t capacity;
  std::vector<std::string> reads;
};

class Win32ConsoleLine : public Win32ConsoleTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(Win32ConsoleLine, DeliversWhatTheConsoleGives) {
  type(GetParam().typed);
  for (const std::string& expected : GetParam().reads) {
    EXPECT_EQ(readOnce(input(), GetParam().capacity), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Win32ConsoleLine,
    ::testing::Values(LineCase{"WholeLine", "help\r", 255, {"help\r\n"}},
                      LineCase{"EnterAlone", "\r", 255, {"\r\n"}},
                      // The part of a line that did not fit never reaches the next read.
                      LineCase{"LongLineIsCut", "abcdefgh\rxy\r", 4, {"abcd", "xy\r\n"}},
                      LineCase{"LineEndCutInTwo", "abc\rxy\r", 4, {"abc\r", "xy\r\n"}},
                      LineCase{"OneCharacter", "xyz\r\r", 1, {"x", "\r"}},
                      // Ctrl+Z alone on a line is the end of the input; anywhere else it
                      // is a character like any other.
                      LineCase{"CtrlZLineEnds", "\x1a\r", 255, {"<end>"}},
                      LineCase{"CtrlZLineCutStillEnds", "\x1a\r", 1, {"<end>"}},
                      LineCase{"CtrlZAfterText", "a\x1a\r", 255, {"a\x1a\r\n"}},
                      LineCase{"CtrlZBeforeText",
                               "\x1a"
                               "b\r",
                               255,
                               {"\x1a"
                                "b\r\n"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(Win32ConsoleTest, DiscardingDropsTypeAheadOnly) {
  type("early\r");
  discardTypeAhead(input());
  type("late\r");
  EXPECT_EQ(readOnce(input(), 255), "late\r\n");
}

TEST_F(Win32ConsoleTest, KeyWaitTakesCharacterKeysAndSplitsExtendedOnes) {
  constexpr WORD kLeftArrowScanCode = 0x4b;
  pressKey(VK_SHIFT, 0x2a, SHIFT_PRESSED);  // no character: passed over
  type("k");
  pressKey(VK_LEFT, kLeftArrowScanCode, ENHANCED_KEY);
  EXPECT_EQ(waitForKey(), 'k');
  EXPECT_EQ(waitForKey(), 0xe0);
  EXPECT_EQ(waitForKey(), kLeftArrowScanCode);
}

}  // namespace
}  // namespace cmdcode::platform::testing

// What of a title may reach the terminal: nothing that a terminal would take
// as a control, everything else as it is.
#include "cmdcode/platform/posix/title_text.hpp"

#include <gtest/gtest.h>

namespace {

using cmdcode::platform::tty::titleText;

struct TitleCase {
  const char* title;
  const char* shown;
};

TEST(TitleText, DropsControlsKeepsText) {
  const TitleCase cases[] = {
      {"", ""},
      {"plain title 1.0 ~!", "plain title 1.0 ~!"},
      // ESC and BEL would end the title and start a sequence of their own.
      {"a\x1b]0;evil\ab", "a]0;evilb"},
      {"x\x1b[2Jy\x1b\\", "x[2Jy\\"},
      {"tab\tnew\nline\rdel\x7f", "tabnewlinedel"},
      // C1 controls: raw, as an 8-bit terminal reads them, and as UTF-8.
      {"x\x9b"
       "2Jy\x9c",
       "x2Jy"},
      {"x\xc2\x9b"
       "2J\xc2\x9dy",
       "x2Jy"},
      // UTF-8 text stays whole, up to four bytes and the last code point.
      {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x99\x82 \xf4\x8f\xbf\xbf",
       "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x99\x82 \xf4\x8f\xbf\xbf"},
      {"\xc2\xa0nbsp", "\xc2\xa0nbsp"},
      // 8-bit code page letters outside UTF-8 stay; a broken sequence keeps
      // its printable bytes and loses the ones in the C1 range.
      {"caf\xe9", "caf\xe9"},
      {"\xe2\x82", "\xe2"},
      {"\xc3\x28", "\xc3("},
      {"\xed\xa0\x80", "\xed\xa0"},  // a surrogate is no character
      {"\xc0\x80", "\xc0"},          // nor an overlong NUL
      {"\xf4\x90\x80\x80", "\xf4"},  // nor anything beyond U+10FFFF
  };
  for (const TitleCase& c : cases) {
    EXPECT_EQ(titleText(c.title), c.shown) << ::testing::PrintToString(std::string(c.title));
  }
}

}  // namespace

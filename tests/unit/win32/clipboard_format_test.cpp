// The CF_TEXT format on the Windows clipboard, as the library puts and reads
// it, and as other programs may leave it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/win32/native.hpp"

namespace cmdcode::platform {
namespace {

// Puts bytes on the clipboard the way the library does: open, empty, hand
// over, close.
bool put(const std::string& bytes) {
  const bool opened = openClipboard();
  if (opened) {
    emptyClipboard();
    EXPECT_TRUE(putClipboardText(bytes.data(), static_cast<std::int32_t>(bytes.size())));
  }
  closeClipboard();
  return opened;
}

bool read(std::string& text) {
  const bool got = openClipboard() && readClipboardText(text);
  closeClipboard();
  return got;
}

// Hands a block to the clipboard as another program might have made it.
void putForeign(UINT format, const void* bytes, SIZE_T size) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  ASSERT_NE(block, nullptr);
  std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  EXPECT_NE(SetClipboardData(format, block), nullptr);
  CloseClipboard();
}

TEST(Win32Clipboard, TextEndsAtItsFirstNul) {
  struct Case {
    std::string put;
    std::string read;
  };
  const Case cases[] = {
      {"1886152040", "1886152040"},
      {"", ""},
      {std::string("12\0", 3), "12"},
      {std::string("\xe9t\xe9", 3), "\xe9t\xe9"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(put(c.put));
    EXPECT_TRUE(clipboardHasText());
    std::string text = "untouched";
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, c.read) << ::testing::PrintToString(c.put);
  }
}

TEST(Win32Clipboard, OtherContentIsNoText) {
  const UINT privateFormat = RegisterClipboardFormatA("cmdcode.test.private");
  putForeign(privateFormat, "data", 4);
  EXPECT_FALSE(clipboardHasText());
  std::string text = "untouched";
  EXPECT_FALSE(read(text));
  EXPECT_EQ(text, "untouched");
}

}  // namespace
}  // namespace cmdcode::platform

// A fixture on the process's console, reached through CONIN$ and CONOUT$ so
// that it works whatever the standard handles are. Keys are "typed" by
// placing key events in the console's input, as the keyboard would.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/win32/native.hpp"

namespace cmdcode::platform::testing {

class Win32ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    input_ = openDevice("CONIN$");
    output_ = openDevice("CONOUT$");
    if (input_ == INVALID_HANDLE_VALUE || output_ == INVALID_HANDLE_VALUE) {
      // Wine gives a program a console only when it is started from a
      // terminal; the Windows suite runs these tests in one.
      GTEST_SKIP() << "no console";
    }
    FlushConsoleInputBuffer(input_);
  }

  void TearDown() override {
    for (HANDLE handle : {input_, output_}) {
      if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
      }
    }
  }

  Handle input() const { return reinterpret_cast<Handle>(input_); }
  Handle output() const { return reinterpret_cast<Handle>(output_); }
  HANDLE nativeOutput() const { return output_; }

  // One key press and release for each character; CR is the Enter key.
  void type(std::string_view keys) {
    for (char key : keys) {
      press(key, key == '\r' ? VK_RETURN : 0, 0, 0);
    }
  }

  // A key that gives no character of its own: an arrow, Shift alone.
  void pressKey(WORD virtualKey, WORD scanCode, DWORD controlState) {
    press('\0', virtualKey, scanCode, controlState);
  }

  CONSOLE_SCREEN_BUFFER_INFO screenInfo() const {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(output_, &info);
    return info;
  }

 private:
  static HANDLE openDevice(const char* name) {
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
  }

  void press(char character, WORD virtualKey, WORD scanCode, DWORD controlState) {
    INPUT_RECORD events[2] = {};
    for (int i = 0; i < 2; ++i) {
      KEY_EVENT_RECORD& key = events[i].Event.KeyEvent;
      events[i].EventType = KEY_EVENT;
      key.bKeyDown = i == 0;
      key.wRepeatCount = 1;
      key.wVirtualKeyCode = virtualKey;
      key.wVirtualScanCode = scanCode;
      key.uChar.AsciiChar = character;
      key.dwControlKeyState = controlState;
    }
    DWORD written = 0;
    ASSERT_TRUE(WriteConsoleInputA(input_, events, 2, &written));
    ASSERT_EQ(written, 2u);
  }

  HANDLE input_ = INVALID_HANDLE_VALUE;
  HANDLE output_ = INVALID_HANDLE_VALUE;
};

}  // namespace cmdcode::platform::testing

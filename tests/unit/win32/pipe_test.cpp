// The console text functions on an anonymous pipe, as when the program's
// standard input or output is redirected.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/win32/native.hpp"

namespace cmdcode::platform {
namespace {

class Pipe {
 public:
  explicit Pipe(DWORD size = 1 << 16) { CreatePipe(&read_, &write_, nullptr, size); }
  ~Pipe() {
    closeWriteEnd();
    CloseHandle(read_);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  Handle readEnd() const { return reinterpret_cast<Handle>(read_); }
  Handle writeEnd() const { return reinterpret_cast<Handle>(write_); }

  void put(const std::string& bytes) {
    DWORD written = 0;
    WriteFile(write_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }

  // The reader then meets ERROR_BROKEN_PIPE once the pipe is drained.
  void closeWriteEnd() {
    if (write_ != nullptr) {
      CloseHandle(write_);
      write_ = nullptr;
    }
  }

  // Everything up to the closing of the write end.
  std::string drain() {
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(read_, chunk, sizeof chunk, &got, nullptr) && got > 0) {
      bytes.append(chunk, got);
    }
    return bytes;
  }

 private:
  HANDLE read_ = nullptr;
  HANDLE write_ = nullptr;
};

struct LineCase {
  const char* name;
  std::string input;
  std::int32_t capacity;
  std::vector<std::string> reads;  // then the end of the input
};

class Win32PipeLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(Win32PipeLine, DeliversLinesAsTheConsoleWould) {
  Pipe pipe;
  pipe.put(GetParam().input);
  pipe.closeWriteEnd();
  char buffer[300];
  for (const std::string& expected : GetParam().reads) {
    const std::int32_t count = readLine(pipe.readEnd(), buffer, GetParam().capacity);
    ASSERT_GE(count, 0) << "ended before " << ::testing::PrintToString(expected);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(count)), expected);
  }
  EXPECT_EQ(readLine(pipe.readEnd(), buffer, GetParam().capacity), kEndOfInput);
}

const std::string kLongLine(5000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Lines, Win32PipeLine,
    ::testing::Values(LineCase{"Empty", "", 255, {}},
                      LineCase{"LfAndCrLfEnds", "help\r\nquit\n", 255, {"help\r\n", "quit\r\n"}},
                      LineCase{"EmptyLine", "\n", 255, {"\r\n"}},
                      LineCase{"LastLineUnterminated", "a\nlast", 255, {"a\r\n", "last"}},
                      LineCase{"UnterminatedCrStays", "tail\r", 255, {"tail\r"}},
                      LineCase{"LoneCrIsContent", "a\rb\r\r\n", 255, {"a\rb\r\r\n"}},
                      LineCase{"BytesAsTheyAre",
                               std::string("\0\xff\x1a\n", 4),
                               255,
                               {std::string("\0\xff\x1a\r\n", 5)}},
                      // A line longer than the capacity loses its rest, line end included.
                      LineCase{"LongLineIsCut", "abcdefgh\nxy\n", 4, {"abcd", "xy\r\n"}},
                      LineCase{"LineEndCutInTwo", "abc\nxy\n", 4, {"abc\r", "xy\r\n"}},
                      LineCase{"LongerThanTheReadAhead",
                               kLongLine + "\nok\n",
                               255,
                               {kLongLine.substr(0, 255), "ok\r\n"}}),
    [](const auto& info) { return info.param.name; });

TEST(Win32Pipe, ReadOfNoCapacityTakesNothing) {
  Pipe pipe;
  pipe.put("a\n");
  pipe.closeWriteEnd();
  char buffer[4];
  EXPECT_EQ(readLine(pipe.readEnd(), buffer, 0), 0);
  ASSERT_EQ(readLine(pipe.readEnd(), buffer, 4), 3);
  EXPECT_EQ(std::string(buffer, 3), "a\r\n");
}

TEST(Win32Pipe, DiscardingLeavesPipedInputAlone) {
  Pipe pipe;
  pipe.put("kept\n");
  pipe.closeWriteEnd();
  discardTypeAhead(pipe.readEnd());
  char buffer[16];
  ASSERT_EQ(readLine(pipe.readEnd(), buffer, 16), 6);
  EXPECT_EQ(std::string(buffer, 6), "kept\r\n");
}

TEST(Win32Pipe, WritesEveryByteUntranslated) {
  Pipe pipe(4096);
  std::string bytes("a\nb\0\xff\r", 6);
  bytes += std::string(300000, 'z');  // more than the pipe holds at once
  std::string received;
  std::thread reader([&] { received = pipe.drain(); });
  writeAll(pipe.writeEnd(), bytes.data(), static_cast<std::int32_t>(bytes.size()));
  pipe.closeWriteEnd();
  reader.join();
  EXPECT_EQ(received, bytes);
}

TEST(Win32Pipe, ScreenControlIsRefused) {
  Pipe pipe;
  EXPECT_FALSE(setCursorPosition(pipe.writeEnd(), 0, 0));
  EXPECT_FALSE(setTextAttribute(pipe.writeEnd(), 0x07));
  EXPECT_FALSE(setWindowRect(pipe.writeEnd(), 0, 0, 79, 24));
}

}  // namespace
}  // namespace cmdcode::platform

// The clipboard operations over the file store, in a private runtime folder
// of each test: text in and out, the copy's counts, a clipboard held by
// another process, other processes reading and writing it, and the folder
// rules that keep other users out.
#include "cmdcode/clipboard/clipboard.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "unit/posix/helper_process.hpp"

namespace {

using namespace cmdcode;
namespace fs = std::filesystem;

// Sets an environment variable for one test and puts it back afterwards.
class ScopedVariable {
 public:
  explicit ScopedVariable(const char* name) : name_(name) {
    const char* value = std::getenv(name);
    if (value != nullptr) {
      saved_ = value;
    }
  }
  ~ScopedVariable() {
    if (saved_) {
      ::setenv(name_, saved_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

  void set(const std::string& value) { ::setenv(name_, value.c_str(), 1); }
  void unset() { ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

std::string makePrivateFolder() {
  char pattern[] = "/tmp/cmdcode-clipboard-test-XXXXXX";
  return ::mkdtemp(pattern) != nullptr ? pattern : "";
}

class Clipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = makePrivateFolder();
    ASSERT_FALSE(root_.empty());
    backend_.set("file");
    runtime_.set(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  // What clipboardGetText gives, or "(none)" when it gives false.
  static std::string textOnClipboard() {
    std::string text = "(none)";
    clipboardGetText(text);
    return text;
  }

  // Neither a text nor a copy is had, and the caller's buffers are left
  // exactly as they were: no terminator is written.
  static void expectNoTextHandedOut() {
    std::string result = "untouched";
    EXPECT_FALSE(clipboardGetText(result));
    EXPECT_EQ(result, "untouched");
    char destination[8];
    std::memset(destination, '#', sizeof destination);
    EXPECT_EQ(clipboardCopyText(destination, 5), 0);
    EXPECT_EQ(std::string_view(destination, sizeof destination), "########");
  }

  std::string root_;
  ScopedVariable backend_{"CMDCODE_CLIPBOARD"};
  ScopedVariable runtime_{"XDG_RUNTIME_DIR"};
  ScopedVariable temporary_{"TMPDIR"};
};

TEST_F(Clipboard, SetTextPutsExactlyTheTextBeforeTheFirstNul) {
  const struct {
    const char* name;
    std::string bytes;
    std::int32_t length;
    std::string expected;
  } cases[] = {
      {"plain", "hello", 5, "hello"},
      {"length 0", "hello", 0, ""},
      {"terminator within the length", std::string("12\0", 3), 3, "12"},
      {"NUL in the middle", std::string("ab\0cd", 5), 5, "ab"},
      {"only length bytes are taken", "abcdef", 3, "abc"},
      {"bytes from 0x80 and line ends", "\xe9t\xe9\r\n\t x\xff", 9, "\xe9t\xe9\r\n\t x\xff"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // A longer text first, so that a shorter one must replace it whole.
    ASSERT_TRUE(clipboardSetText("a much longer previous text", 27));
    EXPECT_TRUE(clipboardSetText(c.bytes.data(), c.length));
    EXPECT_EQ(textOnClipboard(), c.expected);
  }
}

TEST_F(Clipboard, SetTextOfBytesThatCannotBeReadFailsAndLeavesItEmpty) {
  const struct {
    const char* name;
    const char* text;
    std::int32_t length;
  } cases[] = {
      {"no text", nullptr, 4},
      {"negative length", "abc", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(clipboardSetText("before", 6));
    EXPECT_FALSE(clipboardSetText(c.text, c.length));
    EXPECT_EQ(textOnClipboard(), "(none)");
  }
  EXPECT_TRUE(clipboardSetText(nullptr, 0));
  EXPECT_EQ(textOnClipboard(), "");
}

TEST_F(Clipboard, CopyTextFollowsCopyTextCounts) {
  ASSERT_TRUE(clipboardSetText("hello", 5));
  const struct {
    std::int32_t count;
    const char* expected;
    std::int32_t result;
  } cases[] = {
      {3, "hel", 3}, {5, "hello", 5}, {6, "hello", 6}, {10, "hello", 6}, {0, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    char destination[16];
    std::memset(destination, '#', sizeof destination);
    EXPECT_EQ(clipboardCopyText(destination, c.count), c.result);
    EXPECT_STREQ(destination, c.expected);
    // Nothing is written past the count + 1 bytes the caller provides.
    EXPECT_EQ(std::string_view(destination + c.count + 1, sizeof destination - c.count - 1),
              std::string(sizeof destination - c.count - 1, '#'));
  }
}

TEST_F(Clipboard, WithoutTextNothingIsHandedOutOrWritten) {
  const struct {
    const char* name;
    bool setFirst;
  } cases[] = {{"never set", false}, {"cleared", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.setFirst) {
      ASSERT_TRUE(clipboardSetText("text", 4));
      ASSERT_TRUE(clipboardClear());
    }
    expectNoTextHandedOut();
  }
}

TEST_F(Clipboard, HeldByAnotherProcessEveryOperationFailsAndTheTextStays) {
  ASSERT_TRUE(clipboardSetText("kept", 4));
  HelperProcess holder("clipboard_holder");
  ASSERT_TRUE(holder.started());
  ASSERT_EQ(holder.readLine(), "held\n");

  EXPECT_FALSE(clipboardSetText("other", 5));
  EXPECT_FALSE(clipboardClear());
  expectNoTextHandedOut();

  holder.closeInput();
  EXPECT_EQ(holder.wait(), 0);
  EXPECT_EQ(textOnClipboard(), "kept");
}

TEST_F(Clipboard, AHolderCannotTakeItTwice) {
  HelperProcess first("clipboard_holder");
  ASSERT_EQ(first.readLine(), "held\n");
  HelperProcess second("clipboard_holder");
  second.closeInput();  // so that it ends even if it wrongly got hold
  EXPECT_EQ(second.readAll(), "");
  EXPECT_EQ(second.wait(), 1);
}

TEST_F(Clipboard, OtherProcessesShareTheText) {
  ASSERT_TRUE(clipboardSetText("set here\nread there", 19));
  {
    HelperProcess reader("clipboard_get");
    EXPECT_EQ(reader.readAll(), "set here\nread there");
    EXPECT_EQ(reader.wait(), 0);
  }
  {
    HelperProcess writer("clipboard_set");
    writer.write(std::string_view("set there\0ignored", 17));
    writer.closeInput();
    EXPECT_EQ(writer.wait(), 0);
    EXPECT_EQ(textOnClipboard(), "set there");
  }
  ASSERT_TRUE(clipboardClear());
  HelperProcess reader("clipboard_get");
  EXPECT_EQ(reader.readAll(), "");
  EXPECT_EQ(reader.wait(), 1);
}

TEST_F(Clipboard, CreatesItsFolderAndFilesForTheUserAlone) {
  const mode_t saved = ::umask(0);  // no help from the umask
  const bool set = clipboardSetText("secret", 6);
  ::umask(saved);
  ASSERT_TRUE(set);
  const fs::path folder = root_ + "/cmdcode";
  ASSERT_TRUE(fs::is_directory(fs::symlink_status(folder)));
  EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().string());
    EXPECT_TRUE(entry.is_regular_file() && !entry.is_symlink());
    EXPECT_EQ(entry.status().permissions(), fs::perms::owner_read | fs::perms::owner_write);
    ++files;
  }
  EXPECT_GT(files, 0);
}

TEST_F(Clipboard, RefusesAFolderOthersCouldHaveTouched) {
  const struct {
    const char* name;
    bool needsRoot;
    void (*prepare)(const fs::path& folder, const fs::path& elsewhere);
  } cases[] = {
      {"symbolic link to a private folder", false,
       [](const fs::path& folder, const fs::path& elsewhere) {
         fs::create_directory(elsewhere);
         fs::permissions(elsewhere, fs::perms::owner_all);
         fs::create_directory_symlink(elsewhere, folder);
       }},
      {"writable by the group", false,
       [](const fs::path& folder, const fs::path&) {
         fs::create_directory(folder);
         fs::permissions(folder, fs::perms::owner_all | fs::perms::group_all);
       }},
      {"writable by others", false,
       [](const fs::path& folder, const fs::path&) {
         fs::create_directory(folder);
         fs::permissions(folder,
                         fs::perms::owner_all | fs::perms::others_write | fs::perms::others_exec);
       }},
      {"not a folder", false,
       [](const fs::path& folder, const fs::path&) { fs::create_symlink("/dev/null", folder); }},
      {"someone else's", true,
       [](const fs::path& folder, const fs::path&) {
         fs::create_directory(folder);
         fs::permissions(folder, fs::perms::owner_all);
         ASSERT_EQ(::chown(folder.c_str(), 12345, 12345), 0);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsRoot && ::geteuid() != 0) {
      continue;  // only root can give a folder away
    }
    const std::string runtime = makePrivateFolder();
    ASSERT_FALSE(runtime.empty());
    runtime_.set(runtime);
    const fs::path elsewhere = runtime + "/elsewhere";
    c.prepare(runtime + "/cmdcode", elsewhere);

    EXPECT_FALSE(clipboardSetText("secret", 6));
    EXPECT_FALSE(clipboardClear());
    expectNoTextHandedOut();
    if (fs::exists(elsewhere)) {
      EXPECT_TRUE(fs::is_empty(elsewhere));
    }
    fs::remove_all(runtime);
  }
}

TEST_F(Clipboard, WithoutAUsableRuntimeFolderUsesTheTemporaryFolder) {
  const std::string temporary = root_ + "/tmp";
  fs::create_directory(temporary);
  temporary_.set(temporary);
  const std::string shared = root_ + "/shared";
  fs::create_directory(shared);
  fs::permissions(shared, fs::perms::owner_all | fs::perms::group_all);
  const struct {
    const char* name;
    std::optional<std::string> runtime;
  } cases[] = {
      {"not set", std::nullopt},         {"empty", ""},
      {"missing", root_ + "/missing"},   {"relative", "relative"},
      {"writable by the group", shared},
  };
  const fs::path folder = temporary + "/cmdcode-" + std::to_string(::geteuid());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder);
    if (c.runtime) {
      runtime_.set(*c.runtime);
    } else {
      runtime_.unset();
    }
    EXPECT_TRUE(clipboardSetText(c.name, static_cast<std::int32_t>(std::strlen(c.name))));
    EXPECT_EQ(textOnClipboard(), c.name);
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(shared + "/cmdcode"));
  }
}

}  // namespace

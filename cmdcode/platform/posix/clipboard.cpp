// The clipboard on POSIX systems: the desktop's own through its programs, or
// the file store. Whichever it is, holding the clipboard open means holding
// a lock in the user's clipboard folder, so that two processes using this
// library exclude each other and the second one fails at once.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/posix/clipboard_folder.hpp"
#include "cmdcode/platform/posix/clipboard_programs.hpp"
#include "cmdcode/platform/posix/clipboard_store.hpp"

namespace cmdcode::platform {
namespace {

constexpr char kLockFile[] = "clipboard.lock";

// Where the text goes. A program of `tool` that is not installed leaves the
// clipboard unusable: every operation then fails.
struct Backend {
  bool fileStore = false;
  std::optional<ClipboardProgram> program;
};

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

std::optional<ClipboardProgram> findX11Program() {
  if (auto xclip = findClipboardProgram(ClipboardTool::xclip)) {
    return xclip;
  }
  return findClipboardProgram(ClipboardTool::xsel);
}

// CMDCODE_CLIPBOARD=wayland|x11|file forces a backend; any other value is
// ignored. Otherwise the session's display decides, and a session without
// one, or without the programs for it, uses the file store.
Backend chooseBackend() {
  const char* forced = std::getenv("CMDCODE_CLIPBOARD");
  const std::string_view choice = forced != nullptr ? forced : "";
  if (choice == "file") {
    return {true, std::nullopt};
  }
  if (choice == "wayland") {
    return {false, findClipboardProgram(ClipboardTool::wayland)};
  }
  if (choice == "x11") {
    return {false, findX11Program()};
  }
  if (isSet("WAYLAND_DISPLAY")) {
    if (auto wayland = findClipboardProgram(ClipboardTool::wayland)) {
      return {false, wayland};
    }
  }
  if (isSet("DISPLAY")) {
    if (auto x11 = findX11Program()) {
      return {false, x11};
    }
  }
  return {true, std::nullopt};
}

// What lives between openClipboard and closeClipboard.
struct Held {
  int folder = -1;
  int lock = -1;
  Backend backend;
  // An empty that a later put would make moot is carried out only at close,
  // so that replacing the text costs one program run instead of two.
  bool emptyPending = false;
};

Held held;

bool isHeld() { return held.lock >= 0; }

void closeDescriptor(int fd) {
  if (fd >= 0) {
    ::close(fd);
  }
}

void clear(const Backend& backend, int folder) {
  if (backend.fileStore) {
    storeClear(folder);
  } else if (backend.program) {
    programClear(*backend.program);
  }
}

}  // namespace

bool clipboardHasText() {
  const Backend backend = chooseBackend();
  if (backend.program) {
    return programHasText(*backend.program);
  }
  if (!backend.fileStore) {
    return false;
  }
  const int folder = openClipboardFolder();
  const bool has = folder >= 0 && storeHasText(folder);
  closeDescriptor(folder);
  return has;
}

bool openClipboard() {
  if (isHeld()) {
    return true;
  }
  const int folder = openClipboardFolder();
  if (folder < 0) {
    return false;
  }
  const int lock = ::openat(folder, kLockFile, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  int locked = -1;
  while (lock >= 0 && (locked = ::flock(lock, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  if (locked != 0) {
    closeDescriptor(lock);
    ::close(folder);
    return false;
  }
  held = Held{folder, lock, chooseBackend(), false};
  return true;
}

void closeClipboard() {
  if (!isHeld()) {
    return;
  }
  if (held.emptyPending) {
    clear(held.backend, held.folder);
  }
  ::close(held.lock);  // releases the lock
  ::close(held.folder);
  held = Held{};
}

void emptyClipboard() {
  if (isHeld()) {
    held.emptyPending = true;
  }
}

bool putClipboardText(const char* bytes, std::int32_t length) {
  if (!isHeld() || length < 0 || (bytes == nullptr && length > 0)) {
    return false;
  }
  const auto size = static_cast<std::size_t>(length);
  const std::string_view text(bytes, size == 0 ? 0 : ::strnlen(bytes, size));
  bool put = false;
  if (held.backend.fileStore) {
    put = storeWriteText(held.folder, text);
  } else if (held.backend.program) {
    put = programWriteText(*held.backend.program, text);
  }
  // A clipboard program that failed to put the text could not reach the
  // display either to empty it, and may have taken its whole time bound to
  // find that out: the empty is given up with the text. The file store can
  // still be emptied when writing failed.
  if (put || held.backend.program) {
    held.emptyPending = false;
  }
  return put;
}

bool readClipboardText(std::string& text) {
  if (!isHeld() || held.emptyPending) {
    return false;
  }
  if (held.backend.fileStore) {
    return storeReadText(held.folder, text);
  }
  return held.backend.program && programReadText(*held.backend.program, text);
}

}  // namespace cmdcode::platform

#include "cmdcode/platform/posix/clipboard_store.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "cmdcode/platform/posix/descriptor.hpp"

namespace cmdcode::platform {
namespace {

constexpr char kTextFile[] = "clipboard.txt";
// Written in full and then renamed over the text file. Only the holder of the
// clipboard's lock writes it, so one fixed name serves.
constexpr char kNewTextFile[] = "clipboard.txt.new";

}  // namespace

bool storeHasText(int folder) {
  struct stat info;
  return ::fstatat(folder, kTextFile, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
}

bool storeReadText(int folder, std::string& text) {
  const int fd = ::openat(folder, kTextFile, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  struct stat info;
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  std::string bytes;
  char chunk[4096];
  while (ok) {
    const ssize_t got = readRetrying(fd, chunk, sizeof chunk);
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(fd);
  if (ok) {
    bytes.resize(::strnlen(bytes.c_str(), bytes.size()));
    text = std::move(bytes);
  }
  return ok;
}

bool storeWriteText(int folder, std::string_view text) {
  ::unlinkat(folder, kNewTextFile, 0);  // left over by a writer that died
  const int fd =
      ::openat(folder, kNewTextFile, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    return false;
  }
  const bool written = writeFully(fd, text.data(), text.size());
  const bool closed = ::close(fd) == 0;
  if (written && closed && ::renameat(folder, kNewTextFile, folder, kTextFile) == 0) {
    return true;
  }
  ::unlinkat(folder, kNewTextFile, 0);
  return false;
}

void storeClear(int folder) { ::unlinkat(folder, kTextFile, 0); }

}  // namespace cmdcode::platform

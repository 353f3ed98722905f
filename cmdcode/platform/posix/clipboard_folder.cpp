// Every check is made on an open descriptor, and everything inside is reached
// through it, so that nothing can be swapped between the check and the use.
#include "cmdcode/platform/posix/clipboard_folder.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "cmdcode/platform/posix/descriptor.hpp"

namespace cmdcode::platform {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

bool isPrivateFolder(int fd) {
  struct stat info;
  return ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// `name` inside `parent`, made private when this call creates it.
int openOrCreate(int parent, const char* name) {
  const bool created = ::mkdirat(parent, name, 0700) == 0;
  if (!created && errno != EEXIST) {
    return -1;
  }
  const int fd = ::openat(parent, name, kFolderFlags | O_NOFOLLOW);
  if (fd < 0) {
    return -1;
  }
  if (created) {
    ::fchmod(fd, 0700);  // a umask may have taken the owner's own rights
  }
  if (!isPrivateFolder(fd)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

int openFolderAt(const char* path) {
  return path != nullptr && path[0] == '/' ? ::open(path, kFolderFlags) : -1;
}

}  // namespace

int openClipboardFolder() {
  // The runtime folder is the user's own setting, so a symbolic link to it
  // is followed; what is created inside it is not.
  const Descriptor runtime(openFolderAt(std::getenv("XDG_RUNTIME_DIR")));
  if (runtime.valid() && isPrivateFolder(runtime.get())) {
    return openOrCreate(runtime.get(), "cmdcode");
  }
  Descriptor temporary(openFolderAt(std::getenv("TMPDIR")));
  if (!temporary.valid()) {
    temporary.reset(::open("/tmp", kFolderFlags));
  }
  if (!temporary.valid()) {
    return -1;
  }
  const std::string name = "cmdcode-" + std::to_string(::geteuid());
  return openOrCreate(temporary.get(), name.c_str());
}

}  // namespace cmdcode::platform

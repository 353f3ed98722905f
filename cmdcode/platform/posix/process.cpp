// Helper programs run by fork and exec, fed and drained through pipes by one
// poll loop with a deadline, so that neither a program that stops reading nor
// one that never answers can hold the caller.
#include "cmdcode/platform/posix/process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "cmdcode/platform/posix/descriptor.hpp"

namespace cmdcode::platform {
namespace {

using Clock = std::chrono::steady_clock;

bool makePipe(Descriptor& readEnd, Descriptor& writeEnd) {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) {
    return false;
  }
  readEnd.reset(ends[0]);
  writeEnd.reset(ends[1]);
  return true;
}

bool isExecutableFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

// Descriptors the caller left open without close-on-exec must not reach the
// program: a selection server that outlives it would keep them, and with
// them, say, the write end of the pipe the caller's output goes to.
void closeDescriptorsFrom(int first, long openMax) {
#if defined(__linux__) && defined(SYS_close_range)
  if (::syscall(SYS_close_range, first, ~0U, 0) == 0) {
    return;
  }
#endif
  for (long fd = first; fd < openMax; ++fd) {
    ::close(static_cast<int>(fd));
  }
}

// Only async-signal-safe calls from here on: the caller may have threads.
[[noreturn]] void becomeProgram(char* const* argv, const int (&streams)[3], long openMax) {
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction byDefault = {};
  byDefault.sa_handler = SIG_DFL;
  ::sigaction(SIGPIPE, &byDefault, nullptr);
  ::setsid();
  // Each stream is first lifted above 2, so that placing one at its number
  // cannot overwrite another that happens to sit there.
  int lifted[3];
  for (int i = 0; i < 3; ++i) {
    lifted[i] = ::fcntl(streams[i], F_DUPFD_CLOEXEC, 3);
    if (lifted[i] < 0) {
      ::_exit(127);
    }
  }
  for (int i = 0; i < 3; ++i) {
    if (::dup2(lifted[i], i) != i) {
      ::_exit(127);
    }
  }
  closeDescriptorsFrom(3, openMax);
  ::execv(argv[0], argv);
  ::_exit(127);
}

int millisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 60'000));
}

// A write to a pipe whose reader is gone gives EPIPE here instead of a
// SIGPIPE that would end the caller; a SIGPIPE raised by this write is taken
// back, one that was pending before is left alone.
ssize_t writeWithoutSigpipe(int fd, const char* bytes, std::size_t count) {
  sigset_t pipeOnly, previous, pending;
  ::sigemptyset(&pipeOnly);
  ::sigaddset(&pipeOnly, SIGPIPE);
  ::pthread_sigmask(SIG_BLOCK, &pipeOnly, &previous);
  ::sigpending(&pending);
  const bool wasPending = ::sigismember(&pending, SIGPIPE) == 1;
  const ssize_t written = ::write(fd, bytes, count);
  const int error = errno;
  if (written < 0 && error == EPIPE && !wasPending) {
    const timespec noWait = {0, 0};
    while (::sigtimedwait(&pipeOnly, nullptr, &noWait) < 0 && errno == EINTR) {
    }
  }
  ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  errno = error;
  return written;
}

void killAndReap(pid_t child) {
  ::kill(-child, SIGKILL);  // its process group: whatever it started, too
  ::kill(child, SIGKILL);   // in case it had not made its group yet
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

enum class Exit { success, failure, timeout };

// Waits for the child until the deadline, polling at growing intervals: a
// SIGCHLD handler would take over a signal that belongs to the caller.
Exit awaitExit(pid_t child, Clock::time_point deadline) {
  int pause = 1;
  for (;;) {
    int status = 0;
    const pid_t got = ::waitpid(child, &status, WNOHANG);
    if (got == child) {
      return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Exit::success : Exit::failure;
    }
    if (got < 0 && errno == ECHILD) {
      // The caller ignores SIGCHLD, so the system reaped the child and its
      // status is lost; its input and output were complete.
      return Exit::success;
    }
    if (got < 0 && errno != EINTR) {
      return Exit::failure;
    }
    const int left = millisecondsUntil(deadline);
    if (left == 0) {
      return Exit::timeout;
    }
    ::poll(nullptr, 0, std::min(pause, left));
    pause = std::min(pause * 2, 16);
  }
}

// One write of what is left of the input, closing the pipe once all of it
// is out. False when the program stopped reading before it had it all.
bool feedSome(const ProgramRun& run, Descriptor& input, std::size_t& fed) {
  const ssize_t written =
      writeWithoutSigpipe(input.get(), run.input.data() + fed, run.input.size() - fed);
  if (written < 0) {
    return errno == EAGAIN || errno == EINTR;
  }
  fed += static_cast<std::size_t>(written);
  if (fed == run.input.size()) {
    input.reset();
  }
  return true;
}

// One read of the output, closing the pipe at its end. False on a failure or
// when the output grows past its limit.
bool drainSome(const ProgramRun& run, Descriptor& output) {
  char chunk[65536];
  const ssize_t got = ::read(output.get(), chunk, sizeof chunk);
  if (got < 0) {
    return errno == EAGAIN || errno == EINTR;
  }
  if (got == 0) {
    output.reset();
    return true;
  }
  if (run.output->size() + static_cast<std::size_t>(got) > run.outputLimit) {
    return false;
  }
  run.output->append(chunk, static_cast<std::size_t>(got));
  return true;
}

// Feeds the input and drains the output until both are done. False on a
// failure, a refused input, too much output, or the deadline.
bool exchange(const ProgramRun& run, Descriptor& input, Descriptor& output,
              Clock::time_point deadline) {
  std::size_t fed = 0;
  while (input.valid() || output.valid()) {
    pollfd watched[2];
    nfds_t count = 0;
    if (input.valid()) {
      watched[count++] = {input.get(), POLLOUT, 0};
    }
    if (output.valid()) {
      watched[count++] = {output.get(), POLLIN, 0};
    }
    const int left = millisecondsUntil(deadline);
    if (left == 0) {
      return false;
    }
    const int ready = ::poll(watched, count, left);
    if (ready < 0 && errno != EINTR) {
      return false;
    }
    for (nfds_t i = 0; ready > 0 && i < count; ++i) {
      if (watched[i].revents == 0) {
        continue;
      }
      const bool ok =
          watched[i].fd == input.get() ? feedSome(run, input, fed) : drainSome(run, output);
      if (!ok) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::string findProgram(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  if (name.empty() || name.find('/') != std::string_view::npos) {
    return {};
  }
  for (;;) {
    const std::size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    // Relative entries (an empty one means the current folder) would run
    // whatever program of that name lies where the caller happens to be.
    if (folder.starts_with('/')) {
      std::string candidate(folder);
      candidate.append("/").append(name);
      if (isExecutableFile(candidate)) {
        return candidate;
      }
    }
    if (colon == std::string_view::npos) {
      return {};
    }
    folders.remove_prefix(colon + 1);
  }
}

bool runProgram(const ProgramRun& run) {
  if (run.arguments.empty()) {
    return false;
  }
  std::vector<char*> argv;
  for (const std::string& argument : run.arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  const long openMax = std::clamp(::sysconf(_SC_OPEN_MAX), 256L, 1L << 20);

  Descriptor nullDevice(::open("/dev/null", O_RDWR | O_CLOEXEC));
  Descriptor inputRead, inputWrite, outputRead, outputWrite;
  if (!nullDevice.valid() || (!run.input.empty() && !makePipe(inputRead, inputWrite)) ||
      (run.output != nullptr && !makePipe(outputRead, outputWrite))) {
    return false;
  }
  const int streams[3] = {inputRead.valid() ? inputRead.get() : nullDevice.get(),
                          outputWrite.valid() ? outputWrite.get() : nullDevice.get(),
                          nullDevice.get()};

  const auto deadline = Clock::now() + run.timeout;
  const pid_t child = ::fork();
  if (child == 0) {
    becomeProgram(argv.data(), streams, openMax);
  }
  if (child < 0) {
    return false;
  }
  inputRead.reset();
  outputWrite.reset();
  nullDevice.reset();
  for (const Descriptor* end : {&inputWrite, &outputRead}) {
    if (end->valid()) {
      ::fcntl(end->get(), F_SETFL, ::fcntl(end->get(), F_GETFL) | O_NONBLOCK);
    }
  }

  if (!exchange(run, inputWrite, outputRead, deadline)) {
    killAndReap(child);
    return false;
  }
  switch (awaitExit(child, deadline)) {
    case Exit::success:
      return true;
    case Exit::failure:
      return false;
    case Exit::timeout:
      killAndReap(child);
      return false;
  }
  return false;
}

}  // namespace cmdcode::platform

// One key straight from the terminal, as a console's key reader gives it.
//
// The key is read from the controlling terminal, not from standard input, so
// a redirected input does not end the wait. For the read the terminal is put
// in raw mode: no line editing, no echo, and Ctrl+C, Ctrl+Z and Ctrl+\ are
// keys rather than signals. Keys typed ahead are kept: one of them ends the
// wait at once. The terminal's settings are put back on every return; a
// signal that kills the process during the wait leaves them raw, as it would
// for any full-screen program (`stty sane` repairs them).
//
// A terminal sends the keys that have no character as escape sequences; they
// come back as a console's extended keys: a lead code now (0 for F1-F10,
// 0xE0 for the others) and the key's scan code at the next call, which then
// does not wait. Bytes that follow an ESC within a short gap belong to its
// sequence; an ESC alone is the Esc key. Sequences with modifiers (Ctrl+Up)
// give the key without them. A sequence that names no key known here is one
// extended key all the same, 0xE0 then 0, so that it ends one wait and no
// more. ESC followed by a character is that character typed with Alt, and
// gives the character. A character of several UTF-8 bytes is one key, whose
// code is its first byte.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>

#include <cerrno>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/posix/descriptor.hpp"
#include "cmdcode/platform/posix/terminal.hpp"

namespace cmdcode::platform {
namespace {

constexpr int kNoKey = -1;
constexpr int kEscape = 0x1B;
// Bytes of one sequence arrive together; a person cannot type a key this
// soon after Esc, a slow remote link still delivers within it.
constexpr int kSequenceGapMs = 40;

struct ExtendedKey {
  int lead;
  int code;
};

constexpr ExtendedKey kUp{0xE0, 72};
constexpr ExtendedKey kDown{0xE0, 80};
constexpr ExtendedKey kLeft{0xE0, 75};
constexpr ExtendedKey kRight{0xE0, 77};
constexpr ExtendedKey kHome{0xE0, 71};
constexpr ExtendedKey kEnd{0xE0, 79};
constexpr ExtendedKey kPageUp{0xE0, 73};
constexpr ExtendedKey kPageDown{0xE0, 81};
constexpr ExtendedKey kInsert{0xE0, 82};
constexpr ExtendedKey kDelete{0xE0, 83};
constexpr ExtendedKey kUnknown{0xE0, 0};
constexpr ExtendedKey kBackTab{0x00, 15};  // Shift+Tab
constexpr ExtendedKey functionKey(int number) {
  return number <= 10 ? ExtendedKey{0x00, 58 + number} : ExtendedKey{0xE0, 122 + number};
}

// Keys named by a sequence's last byte: CSI x or SS3 x, with or without
// modifier parameters.
struct LetterKey {
  char letter;
  ExtendedKey key;
};
constexpr LetterKey kLetterKeys[] = {
    {'A', kUp},
    {'B', kDown},
    {'C', kRight},
    {'D', kLeft},
    {'H', kHome},
    {'F', kEnd},
    {'P', functionKey(1)},
    {'Q', functionKey(2)},
    {'R', functionKey(3)},
    {'S', functionKey(4)},
};

// Keys named by the number of CSI n ~ (VT220 style, as xterm, the Linux
// console and rxvt send them).
struct NumberedKey {
  int number;
  ExtendedKey key;
};
constexpr NumberedKey kNumberedKeys[] = {
    {1, kHome},
    {2, kInsert},
    {3, kDelete},
    {4, kEnd},
    {5, kPageUp},
    {6, kPageDown},
    {7, kHome},
    {8, kEnd},
    {11, functionKey(1)},
    {12, functionKey(2)},
    {13, functionKey(3)},
    {14, functionKey(4)},
    {15, functionKey(5)},
    {17, functionKey(6)},
    {18, functionKey(7)},
    {19, functionKey(8)},
    {20, functionKey(9)},
    {21, functionKey(10)},
    {23, functionKey(11)},
    {24, functionKey(12)},
};

// The second code of the last extended key, given by the next call.
int pendingCode = kNoKey;
// A byte read past the end of a key, the start of the next one.
int pendingByte = kNoKey;

// The next byte from the terminal; kNoKey at the end of input, on an error,
// or when `timeoutMs` (unless negative) passes without one.
int nextByte(int fd, int timeoutMs) {
  if (pendingByte != kNoKey) {
    const int byte = pendingByte;
    pendingByte = kNoKey;
    return byte;
  }
  if (timeoutMs >= 0) {
    pollfd ready{fd, POLLIN, 0};
    int count;
    do {
      count = ::poll(&ready, 1, timeoutMs);
    } while (count < 0 && errno == EINTR);
    if (count <= 0) {
      return kNoKey;
    }
  }
  unsigned char byte;
  return readRetrying(fd, &byte, 1) == 1 ? byte : kNoKey;
}

int followingByte(int fd) { return nextByte(fd, kSequenceGapMs); }

int give(ExtendedKey key) {
  pendingCode = key.code;
  return key.lead;
}

ExtendedKey letterKey(int letter) {
  for (const LetterKey& entry : kLetterKeys) {
    if (entry.letter == letter) return entry.key;
  }
  return kUnknown;
}

ExtendedKey numberedKey(int number) {
  for (const NumberedKey& entry : kNumberedKeys) {
    if (entry.number == number) return entry.key;
  }
  return kUnknown;
}

// After ESC [: parameter and intermediate bytes, then one final byte.
int controlSequenceKey(int fd) {
  int byte = followingByte(fd);
  if (byte == kNoKey) return '[';  // Alt+[
  if (byte == '[') {               // the Linux console's F1-F5: ESC [ [ A to E
    const int letter = followingByte(fd);
    return give(letter >= 'A' && letter <= 'E' ? functionKey(letter - 'A' + 1) : kUnknown);
  }
  int number = 0;
  bool inFirstParameter = true;
  for (; byte >= 0x20 && byte <= 0x3F; byte = followingByte(fd)) {
    if (byte >= '0' && byte <= '9' && inFirstParameter && number < 1000) {
      number = number * 10 + (byte - '0');
    } else {
      inFirstParameter = false;
    }
  }
  if (byte == '~') return give(numberedKey(number));
  if (byte == 'Z') return give(kBackTab);
  if (byte >= 0x40 && byte <= 0x7E) return give(letterKey(byte));
  // Cut short by a byte that belongs to the next key, or by a pause.
  if (byte != kNoKey) pendingByte = byte;
  return give(kUnknown);
}

// The rest of a UTF-8 character whose first byte was `lead`.
void skipContinuationBytes(int fd, int lead) {
  const int expected = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  for (int i = 0; i < expected; ++i) {
    const int byte = followingByte(fd);
    if (byte == kNoKey) return;
    if ((byte & 0xC0) != 0x80) {
      pendingByte = byte;
      return;
    }
  }
}

int characterKey(int fd, int byte) {
  skipContinuationBytes(fd, byte);
  return byte;
}

int escapeKey(int fd) {
  const int byte = followingByte(fd);
  if (byte == kNoKey) return kEscape;
  if (byte == '[') return controlSequenceKey(fd);
  if (byte == 'O') {
    const int letter = followingByte(fd);
    return letter == kNoKey ? 'O' : give(letterKey(letter));
  }
  if (byte == kEscape) {  // Esc twice: two keys
    pendingByte = byte;
    return kEscape;
  }
  return characterKey(fd, byte);
}

// Raw input for as long as it lives; the settings it found are put back.
class RawMode {
 public:
  explicit RawMode(int fd) : fd_(fd) {
    if (::tcgetattr(fd, &saved_) != 0) return;
    termios raw = saved_;
    raw.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    // TCSANOW: the keys typed ahead stay.
    active_ = set(raw);
  }
  ~RawMode() {
    if (active_) set(saved_);
  }
  RawMode(const RawMode&) = delete;
  RawMode& operator=(const RawMode&) = delete;

  bool active() const { return active_; }

 private:
  bool set(const termios& settings) const {
    int result;
    do {
      result = ::tcsetattr(fd_, TCSANOW, &settings);
    } while (result != 0 && errno == EINTR);
    return result == 0;
  }

  int fd_;
  termios saved_{};
  bool active_ = false;
};

}  // namespace

int waitForKey() {
  if (pendingCode != kNoKey) {
    const int code = pendingCode;
    pendingCode = kNoKey;
    return code;
  }
  const Descriptor terminal = tty::openControllingTerminal(O_RDWR);
  if (!terminal.valid()) return kNoKey;
  const RawMode raw(terminal.get());
  if (!raw.active()) return kNoKey;
  const int fd = terminal.get();
  const int byte = nextByte(fd, -1);
  if (byte == kEscape) return escapeKey(fd);
  if (byte >= 0xC0) return characterKey(fd, byte);
  return byte;
}

}  // namespace cmdcode::platform

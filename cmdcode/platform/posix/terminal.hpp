// Facts about terminals for the POSIX console, screen and keyboard code.
// Internal to the library.
#pragma once

#include "cmdcode/platform/posix/descriptor.hpp"

namespace cmdcode::platform::tty {

bool isTerminal(int fd);

// The terminal's size in character cells; false when the descriptor is no
// terminal or the terminal does not know its size (a pseudo-terminal nobody
// has sized reports 0 x 0).
bool windowSize(int fd, int& rows, int& columns);

// The process's controlling terminal (/dev/tty), whatever its standard
// streams are; not valid when the process has none. It never becomes the
// controlling terminal of a process that has none, and no program started
// later inherits it.
Descriptor openControllingTerminal(int accessMode);

}  // namespace cmdcode::platform::tty

#pragma once

#include <cstdint>

namespace cmdcode::platform {

// A file descriptor on POSIX systems, a HANDLE on Windows.
using Handle = std::intptr_t;

}  // namespace cmdcode::platform

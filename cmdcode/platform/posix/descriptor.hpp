// Plain descriptor I/O shared by the POSIX platform files. Internal to the
// library.
#pragma once

#include <cstddef>

#include "cmdcode/platform/handle.hpp"

namespace cmdcode::platform {

// The descriptor a platform handle stands for on POSIX systems.
inline int descriptor(Handle handle) { return static_cast<int>(handle); }

// Writes every byte, retrying partial writes and interruptions; false when
// the output failed, or took nothing, before all of them were out.
bool writeFully(int fd, const char* bytes, std::size_t count);

}  // namespace cmdcode::platform

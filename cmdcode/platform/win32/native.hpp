// The Windows API as the win32 platform files use it: <windows.h> without its
// rarely used parts and without the min/max macros that clash with the
// standard library, and the conversion from the library's handle type.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "cmdcode/platform/handle.hpp"

namespace cmdcode::platform {

inline HANDLE native(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

// Console functions work only on console handles; pipes and files need the
// file functions instead.
inline bool isConsole(HANDLE handle) {
  DWORD mode;
  return GetConsoleMode(handle, &mode) != 0;
}

}  // namespace cmdcode::platform

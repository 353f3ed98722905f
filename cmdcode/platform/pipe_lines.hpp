// Line-at-a-time reading of input that is not a console (a pipe or a file),
// shared by both platforms: what a console's line read would deliver, with
// whatever arrives after the line kept for the next read.
#pragma once

#include <cstdint>

#include "cmdcode/platform/handle.hpp"

namespace cmdcode::platform {

// Reads up to `capacity` bytes of `input`; the number read, or 0 at the end
// of the input and on failure. Interruptions are the caller's to retry.
using ReadBytes = std::int32_t (*)(Handle input, char* data, std::int32_t capacity);

// Delivers at most `capacity` characters of the next line followed by CR LF,
// as far as they fit; the rest of a longer line is dropped. A CR before the
// LF is part of the line end, not of the line. A last line without a line
// end arrives as it is. Returns kEndOfInput when no byte is left.
std::int32_t readPipeLine(Handle input, char* buffer, std::int32_t capacity, ReadBytes read);

}  // namespace cmdcode::platform

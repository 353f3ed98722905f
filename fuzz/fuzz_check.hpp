// What the fuzz targets share: a failed property stops the run as a crash,
// so that libFuzzer saves the input that broke it.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdlib>

namespace cmdcode::fuzz {

inline void require(bool holds) {
  if (!holds) std::abort();
}

inline std::uint64_t bitsOf(double value) { return std::bit_cast<std::uint64_t>(value); }

}  // namespace cmdcode::fuzz

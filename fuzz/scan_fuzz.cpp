// The console's number scanners against the C library's conversions, which
// read the same forms in the "C" locale.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cmdcode/text/number_scan.hpp"
#include "fuzz_check.hpp"

using cmdcode::detail::scanInteger;
using cmdcode::detail::scanReal;
using cmdcode::fuzz::bitsOf;
using cmdcode::fuzz::require;

namespace {

// Characters that make up the scanners' forms and nothing that strtod reads
// beyond them (no hexadecimal, no infinity or NaN words).
constexpr char kRealAlphabet[] = "0123456789+-.eEdD ,\t\r\n";

void checkInteger(const char* chars, int count) {
  const std::int64_t scanned = scanInteger(chars, count);
  const std::string terminated(chars, static_cast<std::size_t>(count));
  errno = 0;
  const long long expected = std::strtoll(terminated.c_str(), nullptr, 10);
  // Past the range of 64 bits the C library saturates where the scanner wraps.
  if (errno == 0) require(scanned == expected);
}

void checkReal(const std::uint8_t* data, std::size_t size) {
  std::string mapped(size, ' ');
  for (std::size_t i = 0; i < size; ++i)
    mapped[i] = kRealAlphabet[data[i] % (sizeof kRealAlphabet - 1)];
  const double scanned = scanReal(mapped.data(), static_cast<int>(size));

  std::string forC = mapped;
  std::replace(forC.begin(), forC.end(), 'd', 'e');
  std::replace(forC.begin(), forC.end(), 'D', 'e');
  const double expected = std::strtod(forC.c_str(), nullptr);
  require(bitsOf(scanned) == bitsOf(expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The raw bytes, unterminated: the address sanitizer guards the count.
  const auto chars = reinterpret_cast<const char*>(data);
  const int count = static_cast<int>(std::min<std::size_t>(size, INT_MAX));
  require(!std::isnan(scanReal(chars, count)));
  checkInteger(chars, count);
  checkReal(data, static_cast<std::size_t>(count));
  return 0;
}

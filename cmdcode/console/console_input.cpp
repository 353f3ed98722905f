// Typed reads: one character, or a number taken from the start of a line of
// at most 20 characters. Only the characters the console delivered are
// scanned; the work buffer carries no terminator.
#include <cstdint>

#include "cmdcode/console/console.hpp"
#include "cmdcode/text/number_scan.hpp"

namespace cmdcode {
namespace {

// A line of up to 18 characters arrives whole with its CR LF; a longer one
// is cut to its first 20 characters.
constexpr int kNumberCapacity = 20;

}  // namespace

Console& Console::read(char& character) {
  // A console delivers the character straight into the destination, which
  // stays as it was when nothing arrives.
  readChars(&character, 1);
  return *this;
}

Console& Console::read(long& value) {
  char work[kNumberCapacity];
  const int count = readChars(work, kNumberCapacity);
  // Through unsigned long: the full value where long has 64 bits, the 32-bit
  // wrap-around where it has 32. Both conversions are modular.
  value = static_cast<long>(static_cast<unsigned long>(detail::scanInteger(work, count)));
  return *this;
}

Console& Console::read(int& value) {
  char work[kNumberCapacity];
  const int count = readChars(work, kNumberCapacity);
  value = static_cast<int>(static_cast<std::uint32_t>(detail::scanInteger(work, count)));
  return *this;
}

Console& Console::read(double& value) {
  char work[kNumberCapacity];
  const int count = readChars(work, kNumberCapacity);
  value = detail::scanReal(work, count);
  return *this;
}

}  // namespace cmdcode

// Properties of the lenient number readers over any text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "cmdcode/text/parse.hpp"
#include "fuzz_check.hpp"

using cmdcode::fuzz::bitsOf;
using cmdcode::fuzz::require;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isMark(char c) { return c == '.' || c == ','; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The readers stop at the first NUL, as the text does.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::int32_t integer = cmdcode::parseInteger(text.c_str());
  const double real = cmdcode::parseReal(text.c_str());
  require(cmdcode::parseInt(text.c_str()) == integer);
  require(!std::isnan(real));

  // Only digits, minus signs and decimal marks count; a point and a comma
  // are alike.
  std::string kept;
  std::string pointsOnly;
  int digits = 0;
  bool marked = false;
  for (const char* at = text.c_str(); *at != '\0'; ++at) {
    if (!isDigit(*at) && !isMark(*at) && *at != '-') continue;
    kept += *at;
    pointsOnly += *at == ',' ? '.' : *at;
    digits += isDigit(*at) ? 1 : 0;
    marked = marked || isMark(*at);
  }
  require(cmdcode::parseInteger(kept.c_str()) == integer);
  require(bitsOf(cmdcode::parseReal(kept.c_str())) == bitsOf(real));
  require(bitsOf(cmdcode::parseReal(pointsOnly.c_str())) == bitsOf(real));

  // Below 2^53 the real is the exact signed integer of the digits, and the
  // integer reader keeps that value modulo 2^32.
  if (digits <= 15 && !marked) {
    const double magnitude = std::fabs(real);
    require(magnitude < 1e15 && magnitude == std::floor(magnitude));
    auto wrapped = static_cast<std::uint32_t>(static_cast<std::uint64_t>(magnitude));
    if (std::signbit(real)) wrapped = 0u - wrapped;
    require(static_cast<std::int32_t>(wrapped) == integer);
  }
  return 0;
}

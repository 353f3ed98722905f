// Text and number rendering against standard-library peers.
//
// How to run:
//   cmake --preset bench && cmake --build --preset bench -j2
//   ./build/bench/bench/cmdcode_bench
// Compare each Ours/Peer pair of the same run; absolute times vary with the
// machine and its load.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "cmdcode/text/decimal.hpp"
#include "cmdcode/text/number_text.hpp"
#include "cmdcode/text/text.hpp"

namespace {

// Inputs are spread so that neither side is timed on one branch-predicted
// value; the count is a power of two for cheap wrapping.
constexpr std::size_t kInputs = 1024;

std::vector<std::int32_t> integers() {
  std::mt19937 random(1);
  std::vector<std::int32_t> values(kInputs);
  for (auto& value : values) {
    // Every length from 1 to 10 digits, either sign.
    const auto digits = std::uniform_int_distribution<int>(0, 9)(random);
    std::int64_t limit = 1;
    for (int i = 0; i <= digits; ++i) limit *= 10;
    limit = std::min<std::int64_t>(limit, 2147483647);
    value =
        static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(0, limit)(random));
    if (random() & 1) value = -value;
  }
  return values;
}

std::vector<double> reals() {
  std::mt19937_64 random(2);
  std::uniform_real_distribution<double> leading(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 20);
  std::vector<double> values(kInputs);
  for (auto& value : values) value = leading(random) * std::pow(10.0, exponent(random));
  return values;
}

using WordText = std::array<char, 20>;

std::vector<WordText> words() {
  static const char* const kWords[] = {
      "quit", "HELP", "Exit now", "load:file", "get=5", "abcdefghijklmnopq", "MixedCaseWord", "x"};
  std::vector<WordText> values(kInputs);
  for (std::size_t i = 0; i < kInputs; ++i) {
    values[i].fill('\0');
    std::strcpy(values[i].data(), kWords[i % std::size(kWords)]);
  }
  return values;
}

// Renders the inputs in turn into one buffer; the renderer gets its input by
// value, so a word that it folds in place is a fresh copy every time.
template <typename Input, typename Render>
void measure(benchmark::State& state, const std::vector<Input>& inputs, Render render) {
  char buffer[32];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(render(inputs[i++ % kInputs], buffer));
    benchmark::ClobberMemory();
  }
}

constexpr int kSignedTextBytes = 12;  // "-2147483648" and the terminator

void formatSignedOurs(benchmark::State& state) {
  measure(state, integers(), [](std::int32_t value, char* buffer) {
    return cmdcode::formatSigned(value, buffer, kSignedTextBytes);
  });
}
BENCHMARK(formatSignedOurs);

void formatSignedPeerToChars(benchmark::State& state) {
  measure(state, integers(), [](std::int32_t value, char* buffer) {
    return std::to_chars(buffer, buffer + kSignedTextBytes, value).ptr;
  });
}
BENCHMARK(formatSignedPeerToChars);

void commandCodeOurs(benchmark::State& state) {
  measure(state, words(), [](WordText text, char*) { return cmdcode::commandCode(text.data()); });
}
BENCHMARK(commandCodeOurs);

// The obvious way: lower-case a copy with std::tolower, find the word's end,
// then pack it four characters to a 32-bit word.
std::int32_t commandCodePeer(const char* word) {
  char lowered[16];
  int length = 0;
  while (length < 16 && word[length] != '\0' && std::strchr(" ,.:=", word[length]) == nullptr) {
    lowered[length] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[length])));
    ++length;
  }
  std::uint32_t code = 0;
  for (int p = 0; p < length; ++p) {
    code ^= static_cast<std::uint32_t>(static_cast<signed char>(lowered[p])) << (8 * (p % 4));
  }
  return static_cast<std::int32_t>(code);
}

void commandCodePeerToLower(benchmark::State& state) {
  measure(state, words(), [](WordText text, char*) { return commandCodePeer(text.data()); });
}
BENCHMARK(commandCodePeerToLower);

void realTextOurs(benchmark::State& state) {
  measure(state, reals(),
          [](double value, char* buffer) { return cmdcode::detail::realText(value, buffer); });
}
BENCHMARK(realTextOurs);

void realTextPeerSnprintf(benchmark::State& state) {
  measure(state, reals(),
          [](double value, char* buffer) { return std::snprintf(buffer, 32, "%.10g", value); });
}
BENCHMARK(realTextPeerSnprintf);

}  // namespace

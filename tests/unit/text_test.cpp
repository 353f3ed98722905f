#include "cmdcode/text/text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace cmdcode {
namespace {

// A writable copy of a word, with room after it so that nothing outside the
// word's own bytes is ever read.
struct Word {
  explicit Word(const std::string& text) : bytes(text.begin(), text.end()) {
    bytes.push_back('\0');
    bytes.resize(bytes.size() + 7, '#');
  }
  std::vector<char> bytes;
};

struct CodeCase {
  std::string word;
  std::int32_t code;
};

class TextCommandCode : public testing::TestWithParam<CodeCase> {};

TEST_P(TextCommandCode, GivesTheCodeOfTheWordAtTheStart) {
  Word word(GetParam().word);
  EXPECT_EQ(commandCode(word.bytes.data()), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    TextWords, TextCommandCode,
    testing::Values(
        // Any case and any delimiter after the word give the code of "quit".
        CodeCase{"quit", 0x74697571}, CodeCase{"QUIT", 0x74697571},
        CodeCase{"Quit now", 0x74697571}, CodeCase{"quit.x", 0x74697571},
        CodeCase{"quit,all", 0x74697571}, CodeCase{"quit:", 0x74697571},
        CodeCase{"quit=1", 0x74697571}, CodeCase{"help", 1886152040}, CodeCase{"exit", 1953069157},
        CodeCase{"q", 113},
        // A delimiter first leaves no word.
        CodeCase{"", 0}, CodeCase{" quit", 0}, CodeCase{"=5", 0}, CodeCase{".", 0},
        CodeCase{",", 0}, CodeCase{":x", 0},
        // Delimiters are exactly those six: a tab or a dash is part of the word.
        CodeCase{"get=5", 7628135}, CodeCase{"load:file", 1684107116}, CodeCase{"a\tb", 0x620961},
        CodeCase{"a-b", 0x622D61},
        // Groups of four are combined by exclusive or.
        CodeCase{"abcdabcd", 0}, CodeCase{"abcde", 1684234756},
        CodeCase{"abcdefghijklmnop", 268435456}, CodeCase{"abcdefghijklmnopq", 268435456},
        CodeCase{"abcdefghijklmnopQRSTUV", 268435456},
        // Bytes from 0x80 up widen with their sign and are never letters.
        CodeCase{"\xE9", -23}, CodeCase{"a\xE9", -5791}, CodeCase{"\xC9", -55},
        CodeCase{"abc\xE9", static_cast<std::int32_t>(0xE9636261u)},
        CodeCase{"\xE9\xE9", static_cast<std::int32_t>(0xFFFFFFE9u ^ 0xFFFFE900u)}));

TEST(TextCommandCodeNull, GivesZero) { EXPECT_EQ(commandCode(nullptr), 0); }

TEST(TextCommandCodeSign, IsNegativeExactlyForAnOddNumberOfHighBytes) {
  for (int high = 0; high <= 16; ++high) {
    std::string text(16, 'k');
    for (int i = 0; i < high; ++i) text[static_cast<std::size_t>(i * 7 % 16)] = '\x80';
    Word word(text);
    EXPECT_EQ(commandCode(word.bytes.data()) < 0, high % 2 == 1) << high << " high bytes";
  }
}

TEST(TextCommandCodeFolding, LowersTheWholeHeadInPlace) {
  Word sentence("HeLLo World");
  commandCode(sentence.bytes.data());
  EXPECT_STREQ(sentence.bytes.data(), "hello world");

  Word capitals("ABCDEFGHIJKLMNOPQRST");
  commandCode(capitals.bytes.data());
  EXPECT_STREQ(capitals.bytes.data(), "abcdefghijklmnopQRST");
}

TEST(TextCase, FoldsOnlyAsciiLetters) {
  const std::string all = [] {
    std::string text;
    for (int c = 1; c < 256; ++c) text.push_back(static_cast<char>(c));
    return text;
  }();
  Word lower(all);
  Word upper(all);
  EXPECT_EQ(lowerText(lower.bytes.data()), lower.bytes.data());
  EXPECT_EQ(upperText(upper.bytes.data()), upper.bytes.data());
  for (std::size_t i = 0; i < all.size(); ++i) {
    const int c = static_cast<unsigned char>(all[i]);
    const bool isUpper = c >= 'A' && c <= 'Z';
    const bool isLower = c >= 'a' && c <= 'z';
    EXPECT_EQ(static_cast<unsigned char>(lower.bytes[i]), isUpper ? c + 32 : c) << "byte " << c;
    EXPECT_EQ(static_cast<unsigned char>(upper.bytes[i]), isLower ? c - 32 : c) << "byte " << c;
  }
}

TEST(TextCase, StopsAtTheTerminator) {
  Word word("AB");
  word.bytes[3] = 'C';  // after the terminator
  lowerText(word.bytes.data());
  EXPECT_EQ(word.bytes[3], 'C');
  word.bytes[3] = 'c';
  upperText(word.bytes.data());
  EXPECT_EQ(word.bytes[3], 'c');
}

TEST(TextCase, HeadFoldingStopsAfterSixteenCharactersOrAtTheTerminator) {
  Word longWord("ABCDEFGHIJKLMNOPQRSTU");
  lowerTextHead(longWord.bytes.data());
  EXPECT_STREQ(longWord.bytes.data(), "abcdefghijklmnopQRSTU");

  Word shortWord("AB");
  shortWord.bytes[3] = 'C';
  lowerTextHead(shortWord.bytes.data());
  EXPECT_STREQ(shortWord.bytes.data(), "ab");
  EXPECT_EQ(shortWord.bytes[3], 'C');
}

TEST(TextLength, CountsCharactersBeforeTheTerminator) {
  EXPECT_EQ(textLength(""), 0);
  EXPECT_EQ(textLength("a"), 1);
  EXPECT_EQ(textLength("quit now"), 8);
  EXPECT_EQ(textLength("\xE9\xFF"), 2);
  EXPECT_EQ(textLength(std::string(300, 'x').c_str()), 300);
}

struct CopyCase {
  const char* source;
  std::int32_t count;
  const char* copied;  // the destination as a text afterwards
  std::int32_t result;
};

class TextCopy : public testing::TestWithParam<CopyCase> {};

TEST_P(TextCopy, CopiesUpToTheCountAndTerminatesAtTheNumberCopied) {
  const CopyCase& c = GetParam();
  std::array<char, 32> destination;
  destination.fill('#');
  EXPECT_EQ(copyText(c.source, destination.data(), c.count), c.result);
  EXPECT_STREQ(destination.data(), c.copied);
  EXPECT_EQ(destination[static_cast<std::size_t>(c.result)], '\0');
  // Nothing beyond count + 1 bytes is touched (a single byte for a count
  // below 1).
  const std::size_t used = static_cast<std::size_t>(c.count > 0 ? c.count + 1 : 1);
  for (std::size_t i = used; i < destination.size(); ++i) {
    EXPECT_EQ(destination[i], '#') << "byte " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    TextCounts, TextCopy,
    testing::Values(
        // The whole source fits: the terminator is counted
        // and a second one follows it.
        CopyCase{"abc", 10, "abc", 4}, CopyCase{"abc", 4, "abc", 4}, CopyCase{"", 5, "", 1},
        // Cut at the count.
        CopyCase{"abcdef", 3, "abc", 3}, CopyCase{"abc", 3, "abc", 3}, CopyCase{"abc", 1, "a", 1},
        // Nothing to copy: an empty text.
        CopyCase{"abc", 0, "", 0}, CopyCase{"abc", -1, "", 0}, CopyCase{"abc", INT32_MIN, "", 0}));

TEST(TextCopyWhole, LeavesASecondTerminatorAfterTheFirst) {
  std::array<char, 8> destination;
  destination.fill('#');
  ASSERT_EQ(copyText("ab", destination.data(), 7), 3);
  EXPECT_EQ(destination[2], '\0');
  EXPECT_EQ(destination[3], '\0');
  EXPECT_EQ(destination[4], '#');
}

}  // namespace
}  // namespace cmdcode

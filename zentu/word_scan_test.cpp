#include "zentu/word_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

// Every word of one scan: the first call with the text, then NULL until NULL.
std::vector<std::string> Words(std::string_view line) {
  ExactText text(line);
  std::vector<std::string> words;
  for (char* word = _strword(text.data()); word != nullptr; word = _strword(nullptr)) {
    words.emplace_back(word);
  }
  return words;
}

struct ScanCase {
  const char* line;
  std::vector<std::string> words;
};

TEST(WordScanTest, CutsLinesIntoWords) {
  const ScanCase cases[] = {
      {"Hello, world", {"Hello", "world"}},
      {"a-b", {"a", "b"}},
      {"e-mail", {"e", "mail"}},
      {"US$10", {"US", "10"}},
      {"a_b", {"a", "b"}},
      {"1-2 3.a 4.5", {"1-2 3", "a", "4.5"}},
      {"tab\there", {"tab", "here"}},
      {"word. ", {"word", ""}},           // only separators left: an empty word, then NULL
      {"word.", {"word"}},                // the separator was the last byte
      {"   ", {""}},
      {"'quoted'", {"quoted"}},
      {"x'", {"x"}},
      {"don't,", {"don't"}},
      {"5'6", {"5'6"}},
      {"it's O'Neil's rock'n'roll", {"it's", "O'Neil's", "rock'n'roll"}},
      {"3.14, 1,000; 12:30 x", {"3.14", "1,000", "12:30", "x"}},
      {"1 000", {"1 000"}},
      {"a'1 1'a", {"a", "1 1", "a"}},
      // A Japanese line without ASCII separators is one word.
      {"\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x81\x42\x8E\x9A", {"\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x81\x42\x8E\x9A"}},
      // Second bytes that look like separators (0x5C, 0x40, 0x2C after a lead byte) do not split.
      {"\x83\x5C\x83\x74\x83\x67 x", {"\x83\x5C\x83\x74\x83\x67", "x"}},
      {"a\x81\x40" "b", {"a\x81\x40" "b"}},
      {"\x81,x", {"\x81,x"}},
      // The second byte of a double-byte character counts as a letter next to an apostrophe.
      {"\x83\x41's", {"\x83\x41's"}},
      {"\x93", {"\x93"}},
      {"ab\x93", {"ab\x93"}},
      {"\xB1\xB2\xB3 x", {"\xB1\xB2\xB3", "x"}},  // half-width katakana
      {"a\x01" "b\x7F c", {"a\x01" "b\x7F", "c"}},  // control bytes belong to words
      {"\x80\xA0\xFD\xFF", {"\x80\xA0\xFD\xFF"}},
  };
  for (const ScanCase& c : cases) {
    EXPECT_EQ(Words(c.line), c.words) << c.line;
  }
}

TEST(WordScanTest, WorksInPlaceAndPointsIntoTheCallersText) {
  char line[] = "ab, cd";
  char* first = _strword(line);
  EXPECT_EQ(first, line);
  EXPECT_EQ(line[2], '\0');  // the comma that ended the word
  EXPECT_EQ(_strword(nullptr), line + 4);
  EXPECT_EQ(_strword(nullptr), nullptr);
  EXPECT_EQ(_strword(nullptr), nullptr);
}

TEST(WordScanTest, AnEmptyTextLeavesTheScanInProgress) {
  char line[] = "one two";
  char empty[] = "";
  EXPECT_STREQ(_strword(line), "one");
  EXPECT_EQ(_strword(empty), nullptr);
  EXPECT_STREQ(_strword(nullptr), "two");
  EXPECT_EQ(_strword(nullptr), nullptr);
}

TEST(WordScanTest, NullWithoutAScanReturnsNull) {
  ResetWordScan();
  EXPECT_EQ(_strword(nullptr), nullptr);
}

TEST(WordScanTest, ANewTextStartsANewScan) {
  char first[] = "a b c";
  char second[] = "x y";
  EXPECT_STREQ(_strword(first), "a");
  EXPECT_STREQ(_strword(second), "x");
  EXPECT_STREQ(_strword(nullptr), "y");
  EXPECT_EQ(_strword(nullptr), nullptr);
}

TEST(WordScanTest, ScansALongLineWithoutReadingPastIt) {
  std::string line;
  for (int i = 0; i < 50000; ++i) line += "word\x93\xFA, ";
  line += "\x93";  // ends in a lead byte
  std::vector<std::string> words = Words(line);
  ASSERT_EQ(words.size(), 50001u);
  EXPECT_EQ(words.front(), "word\x93\xFA");
  EXPECT_EQ(words.back(), "\x93");
}

}  // namespace
}  // namespace zentu

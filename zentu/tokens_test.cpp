#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

std::vector<std::string> Tokens(std::string_view line, const char* delimiters) {
  ExactText text(line);
  std::vector<std::string> tokens;
  for (char* token = _mbstrtok(text.data(), delimiters); token != nullptr;
       token = _mbstrtok(nullptr, delimiters)) {
    tokens.emplace_back(token);
  }
  return tokens;
}

TEST(TokenizerTest, CutsAtAnyDelimiterCharacter) {
  const struct {
    const char* text;
    const char* delimiters;
    std::vector<std::string> tokens;
  } cases[] = {
      {"abc def", " ", {"abc", "def"}},
      {"a,b;c", ",;", {"a", "b", "c"}},
      {",,a,,b,,", ",", {"a", "b"}},
      {",,,", ",", {}},
      {"", ",", {}},
      {"abc", "", {"abc"}},
      // Double-byte delimiters are compared whole: the ideographic comma 0x81 0x41 splits,
      // while an "A" delimiter never matches the second byte of 0x83 0x41.
      {"a\x81\x41" "b\x81\x41\x81\x41" "c", "\x81\x41", {"a", "b", "c"}},
      {"\x83\x41" "A\x83\x41", "A", {"\x83\x41", "\x83\x41"}},
      {"\x83\x41\x81\x41x", "\x81", {"\x83\x41\x81\x41x"}},
      {"\x93", " ", {}},          // a lead byte just before the end is no token
      {"ab\x93", " ", {"ab\x93"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Tokens(c.text, c.delimiters), c.tokens) << c.text;
  }
}

TEST(TokenizerTest, OverwritesBothBytesOfADoubleByteDelimiter) {
  char text[] = "a\x81\x41" "b";
  EXPECT_EQ(_mbstrtok(text, "\x81\x41"), text);
  EXPECT_EQ(text[1], '\0');
  EXPECT_EQ(text[2], '\0');
  EXPECT_EQ(_mbstrtok(nullptr, "\x81\x41"), text + 3);
  EXPECT_EQ(_mbstrtok(nullptr, "\x81\x41"), nullptr);
  EXPECT_EQ(_mbstrtok(nullptr, "\x81\x41"), nullptr);
}

TEST(TokenizerTest, OnlyDelimitersLeaveTheTokenPositionAsItWas) {
  char first[] = "a b";
  char delimiters_only[] = "   ";
  EXPECT_STREQ(_mbstrtok(first, " "), "a");
  EXPECT_EQ(_mbstrtok(delimiters_only, " "), nullptr);
  EXPECT_STREQ(_mbstrtok(nullptr, " "), "b");
}

TEST(TokenizerTest, KeepsItsPositionApartFromTheWordScan) {
  char words[] = "one two";
  char tokens[] = "x;y";
  EXPECT_STREQ(_strword(words), "one");
  EXPECT_STREQ(_mbstrtok(tokens, ";"), "x");
  EXPECT_STREQ(_strword(nullptr), "two");
  EXPECT_STREQ(_mbstrtok(nullptr, ";"), "y");
}

struct CopyCase {
  const char* text;
  const char* copy;
};

TEST(DeleteSpaceTest, DropsLeadingSpacesAndDoubleByteSpaces) {
  const CopyCase cases[] = {
      {"\x81\x40\x81\x40 x", "x"},
      {"  \x81\x40" "a b ", "a b "},
      {"\tx", "\tx"},         // a tab is no blank here
      {"\x81\x41x", "\x81\x41x"},
      {"   ", ""},
  };
  for (const CopyCase& c : cases) {
    ExactText text(c.text);
    ExactText out(std::string(std::string(c.text).size(), '#'));
    EXPECT_EQ(_mbdelspace1(out.data(), text.data()), out.data());
    EXPECT_EQ(out.str(), c.copy) << c.text;
    EXPECT_EQ(_mbdelspace1(text.data(), text.data()), text.data());  // in place
    EXPECT_EQ(text.str(), c.copy) << c.text;
  }
}

TEST(DeleteSpaceTest, ShrinksWhiteSpaceRunsToTheirFirstByte) {
  const CopyCase cases[] = {
      {"a\t  b", "a\tb"},
      {"  a  ", " a "},
      {"a\r\n\r\nb", "a\rb"},
      {"\x81\x40\x81\x40", "\x81\x40\x81\x40"},  // double-byte spaces are copied unchanged
      {"\x81 \x81 ", "\x81 \x81 "},              // so is any double-byte character
      {"x\x93", "x\x93"},
      {"", ""},
  };
  for (const CopyCase& c : cases) {
    ExactText text(c.text);
    ExactText out(std::string(std::string(c.text).size(), '#'));
    EXPECT_EQ(_mbdelspace3(out.data(), text.data()), out.data());
    EXPECT_EQ(out.str(), c.copy) << c.text;
    EXPECT_EQ(_mbdelspace3(text.data(), text.data()), text.data());
    EXPECT_EQ(text.str(), c.copy) << c.text;
  }
}

TEST(DeleteSpaceTest, LongTextsAreCopiedWhole) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "word \t \x81\x40";
  std::string expected;
  for (int i = 0; i < 20000; ++i) expected += "word \x81\x40";
  ExactText in(text);
  _mbdelspace3(in.data(), in.data());
  EXPECT_EQ(in.str(), expected);
  ExactText padded(std::string(100000, ' ') + "x");
  _mbdelspace1(padded.data(), padded.data());
  EXPECT_EQ(padded.str(), "x");
}

}  // namespace
}  // namespace zentu

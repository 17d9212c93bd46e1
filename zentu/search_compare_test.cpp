#include "zentu/search_compare.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

// The offset of a search result in text, or -1 for NULL.
long OffsetIn(const char* text, const char* found) { return found ? found - text : -1; }

struct SearchCase {
  const char* text;
  const char* pattern;
  long offset;
};

TEST(BoyerMooreTest, FindsTheFirstMatchOfPlainBytes) {
  const SearchCase cases[] = {
      {"abcabd", "abd", 3},
      {"ab", "abc", -1},              // text shorter than the pattern
      {"abc", "abc", 0},
      {"hello world", "world", 6},
      {"aaaa", "aa", 0},
      {"ABC", "abc", -1},             // no case folding
      {"\x83\x41", "A", 1},           // bytes, not characters: the second byte matches
      {"xx\x93\xFAyy\x93\xFA", "\x93\xFA" "y", 2},
      {"", "a", -1},
  };
  for (const SearchCase& c : cases) {
    ExactText text(c.text);
    ExactText pattern(c.pattern);
    _bminitialize(pattern.data());
    EXPECT_EQ(OffsetIn(text.data(), _bmstrstr(text.data(), pattern.data())), c.offset)
        << c.pattern << " in " << c.text;
  }
}

// Many texts against one table, compared with a plain search: a wrong skip would jump over
// matches.
TEST(BoyerMooreTest, OneTableServesManyTextsAndMissesNoMatch) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> letter('a', 'd');
  for (int round = 0; round < 200; ++round) {
    std::string pattern;
    for (int i = 0, n = 1 + round % 5; i < n; ++i) pattern += static_cast<char>(letter(random));
    _bminitialize(pattern.c_str());
    for (int t = 0; t < 20; ++t) {
      std::string text;
      for (int i = 0, n = t * 3; i < n; ++i) text += static_cast<char>(letter(random));
      ExactText exact(text);
      const std::size_t expected = text.find(pattern);
      EXPECT_EQ(OffsetIn(exact.data(), _bmstrstr(exact.data(), pattern.c_str())),
                expected == std::string::npos ? -1 : static_cast<long>(expected))
          << pattern << " in " << text;
    }
  }
}

TEST(BoyerMooreTest, EmptyPatternIsFoundAtTheStart) {
  char text[] = "abc";
  _bminitialize("");
  EXPECT_EQ(_bmstrstr(text, ""), text);
  char empty[] = "";
  EXPECT_EQ(_bmstrstr(empty, ""), empty);
}

TEST(BoyerMooreTest, WithoutAFittingTableNothingIsFound) {
  ExactText text("abcabc");
  ForgetBoyerMooreTable();
  EXPECT_EQ(_bmstrstr(text.data(), "abc"), nullptr);
  EXPECT_EQ(_bmstrstr(text.data(), ""), nullptr);

  // A pattern of another length than the prepared one cannot use the table.
  _bminitialize("abcabc");
  ExactText shorter("c");
  EXPECT_EQ(_bmstrstr(text.data(), shorter.data()), nullptr);
  _bminitialize("c");
  ExactText longer("bcabc");
  EXPECT_EQ(_bmstrstr(text.data(), longer.data()), nullptr);
  EXPECT_EQ(OffsetIn(text.data(), _bmstrstr(text.data(), "c")), 2);
}

TEST(SubstringTest, MatchesWholeCharactersOnly) {
  const SearchCase cases[] = {
      {"aab", "ab", 1},
      {"abc", "", 0},
      {"abc", "\x93", 0},                  // a lead byte before the end reads as the end
      {"\x83\x41", "A", -1},               // not inside a double-byte character
      {"x\x83\x41" "A", "A", 3},
      {"ab", "abc", -1},
      {"\x93\xFA\x96\x7B\x8C\xEA", "\x96\x7B", 2},
      {"\x93\x96\x7B", "\x96\x7B", -1},     // 0x93 0x96 is one character
      {"a\x93", "a\x93x", -1},
      {"", "a", -1},
      {"abab\x93\xFA" "c", "b\x93\xFA", 3},
  };
  for (const SearchCase& c : cases) {
    ExactText text(c.text);
    ExactText needle(c.pattern);
    EXPECT_EQ(OffsetIn(text.data(), _mbstrstr(text.data(), needle.data())), c.offset)
        << c.pattern << " in " << c.text;
  }
}

TEST(ReverseTest, ReversesCharactersKeepingDoubleByteOrder) {
  const struct {
    const char* text;
    const char* reversed;
  } cases[] = {
      {"\x93\xFA" "A", "A\x93\xFA"},
      {"abc", "cba"},
      {"", ""},
      {"\x93\xFA\x96\x7B", "\x96\x7B\x93\xFA"},
      {"\x82\x20x", "x\x20\x82"},  // a lead byte before a non-trail byte is a single byte
      {"a\x93", "\x93" "a"},
  };
  for (const auto& c : cases) {
    ExactText text(c.text);
    EXPECT_EQ(_mbstrrev(text.data()), text.data());
    EXPECT_EQ(text.str(), c.reversed) << c.text;
  }
}

struct CompareCase {
  const char* a;
  const char* b;
  int count;
  int result;
};

TEST(CompareTest, ComparesBytes) {
  EXPECT_EQ(_mbstrcmp("abc", "abd"), -1);
  EXPECT_EQ(_mbstrcmp("b", "a"), 1);
  EXPECT_EQ(_mbstrcmp("abc", "abc"), 0);
  EXPECT_EQ(_mbstrcmp("ab", "abc"), -1);
  EXPECT_EQ(_mbstrcmp("\x83\x41", "A"), 1);  // unsigned bytes
  EXPECT_EQ(_mbstrcmp("A", "a"), -1);

  const CompareCase counted[] = {
      {"abx", "aby", 2, 0},
      {"abx", "aby", 3, 'x' - 'y'},
      {"abc", "abd", 0, 0},
      {"abc", "abd", -1, 'c' - 'd'},  // no limit
      {"ab", "ab", 10, 0},            // both end before the count
      {"\xFF", "\x01", 1, 0xFF - 0x01},
      {"a", "", 5, 'a'},
  };
  for (const CompareCase& c : counted) {
    EXPECT_EQ(_mbstrncmp(c.a, c.b, c.count), c.result) << c.a << " " << c.b << " " << c.count;
  }
}

TEST(CompareTest, FoldsUpperCaseInEveryByte) {
  EXPECT_EQ(_mbstricmp("ABC", "abc"), 0);
  EXPECT_GT(_mbstricmp("a", "_"), 0);                   // folding goes to lower case
  EXPECT_EQ(_mbstricmp("a", "_"), 'a' - '_');
  EXPECT_EQ(_mbstricmp("\x83\x41", "\x83\x61"), 0);     // second bytes are folded too
  EXPECT_EQ(_mbstricmp("abc", "ABD"), 'c' - 'd');
  EXPECT_EQ(_mbstricmp("A", ""), 'a');

  const CompareCase counted[] = {
      {"ABx", "aby", 2, 0},
      {"ABx", "aby", 3, 'x' - 'y'},
      {"ABC", "abd", -1, 'c' - 'd'},
      {"Z", "z", 1, 0},
      {"\x83\x41", "\x83\x61", 2, 0},
  };
  for (const CompareCase& c : counted) {
    EXPECT_EQ(_mbstrnicmp(c.a, c.b, c.count), c.result) << c.a << " " << c.b << " " << c.count;
  }
}

}  // namespace
}  // namespace zentu

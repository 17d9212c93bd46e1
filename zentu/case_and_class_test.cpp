#include <gtest/gtest.h>

#include <string>

#include "zentu/double_byte_support.h"
#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

struct FoldCase {
  const char* text;
  const char* folded;
};

TEST(CaseMappingTest, LowerCaseFoldsOnlyAsciiLetters) {
  const FoldCase cases[] = {
      {"ABC\xB1", "abc\xB1"},              // half-width katakana stays
      {"\x83\x41" "A", "\x83\x41" "a"},    // the second byte 0x41 of a katakana is not a letter
      {"\x82\x60Z", "\x82\x60z"},          // full-width capital stays
      {"Mixed 123 TEXT!", "mixed 123 text!"},
      {"A\x93", "a\x93"},                  // a lead byte just before the end
      {"\xA0\xFD\xFFQ", "\xA0\xFD\xFFq"},  // bytes that are no lead bytes are single characters
      {"", ""},
  };
  for (const FoldCase& c : cases) {
    ExactText text(c.text);
    EXPECT_EQ(_mbstrlwr(text.data()), text.data());
    EXPECT_EQ(text.str(), c.folded) << c.text;
  }
}

TEST(CaseMappingTest, UpperCaseFoldsOnlyAsciiLetters) {
  const FoldCase cases[] = {
      {"abc\xB1", "ABC\xB1"},
      {"\x82\x81", "\x82\x81"},            // full-width small a stays
      {"\x83\x61" "a", "\x83\x61" "A"},    // second byte 0x61 is not folded
      {"c:\\dir\\file.txt", "C:\\DIR\\FILE.TXT"},
      {"z\x93", "Z\x93"},
  };
  for (const FoldCase& c : cases) {
    ExactText text(c.text);
    EXPECT_EQ(_mbstrupr(text.data()), text.data());
    EXPECT_EQ(text.str(), c.folded) << c.text;
  }
}

TEST(CaseMappingTest, ConvReturnsTheTextUnchanged) {
  char text[] = "AbC\x93\xFA";
  EXPECT_EQ(_mbstrconv(text), text);
  EXPECT_STREQ(text, "AbC\x93\xFA");
}

struct PositionCase {
  const char* text;
  int position;
  int first_byte;   // _is_nth_kanji
  int second_byte;  // _is_nth_kanji2
};

TEST(PositionTest, TellsFirstAndSecondBytesOfDoubleByteCharacters) {
  const PositionCase cases[] = {
      {"\x93\xFA" "A", 0, 0, 1},
      {"\x93\xFA" "A", 1, 1, 0},
      {"\x93\xFA" "A", 2, 1, 1},
      {"\x93\xFA" "A", 3, 1, 1},   // the terminating NUL
      {"\x93\xFA" "A", 40, 1, 1},  // beyond it
      {"\x93\xFA" "A", -1, 1, 1},
      {"A\x93\xFA", 1, 0, 1},
      {"A\x93\xFA", 2, 1, 0},
      {"\x93\x93\x93\xFA", 1, 1, 0},  // the walk decides: 0x93 0x93 is one character
      {"\x93\x93\x93\xFA", 2, 0, 1},
      {"\x82\x20", 0, 0, 1},          // a second byte that is no trail byte
      {"\x82\x20", 1, 1, 1},
      {"\x93", 0, 0, 1},              // a lead byte just before the end
      {"\x93", 1, 1, 1},
  };
  for (const PositionCase& c : cases) {
    ExactText text(c.text);
    EXPECT_EQ(_is_nth_kanji(c.position, text.data()), c.first_byte)
        << c.text << " at " << c.position;
    EXPECT_EQ(_is_nth_kanji2(c.position, text.data()), c.second_byte)
        << c.text << " at " << c.position;
  }
}

struct ClassCase {
  const char* text;
  int position;
  int with_double_byte_support;
  int without;
};

// The double-byte support flag is set when the library loads on this host; the tests that clear
// it put it back.
class CharacterClassTest : public ::testing::Test {
 protected:
  ~CharacterClassTest() override { SetDoubleByteSupport(true); }
};

TEST_F(CharacterClassTest, ClassifiesTheCharacterAtAPosition) {
  const ClassCase cases[] = {
      {"AB1 .", 0, 0, 0},
      {"AB1 .", 1, 0, 0},
      {"AB1 .", 2, 0, 0},
      {"AB1 .", 3, 9, 9},
      {"AB1 .", 4, 1, 1},
      {"AB1 .", 5, 9, 9},                // the terminating NUL
      {"", 0, 11, 11},
      {"\x93\xFA", 0, 5, 10},            // kanji, level 1, both bytes
      {"\x93\xFA", 1, 5, 10},
      {"\xE0\x9F", 0, 5, 10},            // level 2
      {"\x98\x80", 0, 10, 10},           // between the levels
      {"\xEA\xA4", 0, 10, 10},           // above level 2
      {"\x82\xA0", 0, 4, 10},            // hiragana
      {"\x83\x41", 1, 3, 10},            // katakana
      {"\x83\x7F", 0, 10, 10},           // not katakana
      {"\x81\x5B", 0, 3, 3},             // prolonged sound mark
      {"\x82\x60", 0, 6, 6},             // full-width A
      {"\x82\x4F", 1, 6, 6},             // full-width 0
      {"\x82\x94", 0, 6, 6},             // full-width t
      {"\x82\x95", 0, 7, 10},            // full-width u is a symbol
      {"\x81\x41", 0, 7, 10},            // ideographic comma
      {"\x84\x40", 0, 7, 10},            // Cyrillic
      {"\x82\x20", 0, 10, 10},           // second byte is no trail byte
      {"\x82\x20", 1, 9, 9},             // ... and is read as a byte of its own
      {"\x93", 0, 10, 10},               // a lead byte just before the end
      {"\xB1", 0, 2, 2},
      {"\xDF", 0, 2, 2},
      {"\xA1", 0, 1, 1},
      {"\xA5", 0, 1, 1},
      {"\xA0", 0, 9, 9},
      {"\x80", 0, 9, 9},
      {"\xFD", 0, 9, 9},
      {"\t", 0, 9, 9},
      {"_", 0, 1, 1},
  };
  for (const ClassCase& c : cases) {
    ExactText text(c.text);
    SetDoubleByteSupport(true);
    EXPECT_EQ(_qvx_nthctype(c.position, text.data()), c.with_double_byte_support)
        << c.text << " at " << c.position;
    SetDoubleByteSupport(false);
    EXPECT_EQ(_qvx_nthctype(c.position, text.data()), c.without)
        << c.text << " at " << c.position << " without double-byte support";
  }
}

TEST_F(CharacterClassTest, PositionsOutsideTheTextReadAsTheTerminatingNul) {
  ExactText text("A\x93\xFA");
  EXPECT_EQ(_qvx_nthctype(3, text.data()), 9);
  EXPECT_EQ(_qvx_nthctype(4, text.data()), 9);
  EXPECT_EQ(_qvx_nthctype(1000, text.data()), 9);
  EXPECT_EQ(_qvx_nthctype(-1, text.data()), 9);
}

}  // namespace
}  // namespace zentu

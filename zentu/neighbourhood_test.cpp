#include <gtest/gtest.h>

#include <string>

#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

TEST(WordCheckTest, TestsTheBytesAroundAStretch) {
  const struct {
    int mode;
    const char* text;
    int position;
    int length;
    int result;
  } cases[] = {
      {0, "acats", 1, 3, 0},   // mode 0 never fails
      {12, "a cat.", 2, 3, 1}, // unknown modes always fail
      {22, "a cat.", 2, 3, 1},
      {32, "a cat.", 2, 3, 1},
      {99, "a cat.", 2, 3, 1},
      {1, "a cat.", 2, 3, 0},
      {1, "acat.", 1, 3, 1},   // alphanumeric before
      {1, "cats", 0, 3, 1},    // alphanumeric after
      {1, "cat", 0, 3, 0},     // nothing before position 0; the NUL after
      {1, "1cat", 1, 3, 1},
      {2, "cats", 0, 3, 0},
      {2, "acat", 1, 3, 1},
      {3, "acat", 1, 3, 0},
      {3, "cats", 0, 3, 1},
      {1, "cat's", 0, 3, 0},
      {11, "cat's", 0, 3, 1},
      {13, "cat's", 0, 3, 1},
      {11, "xcat", 1, 3, 1},
      {13, "xcat", 1, 3, 0},
      {21, "cat-o", 0, 3, 1},
      {23, "cat-o", 0, 3, 1},
      {21, "cat's", 0, 3, 0},
      {31, "cat's", 0, 3, 1},
      {31, "cat-o", 0, 3, 1},
      {33, "cat-o", 0, 3, 1},
      {33, "xcat.", 1, 3, 0},
      {31, "xcat.", 1, 3, 1},
      {1, "\x83\x41" "cat", 2, 3, 1},  // single bytes: the second byte 0x41 counts as a letter
  };
  for (const auto& c : cases) {
    ExactText text(c.text);
    EXPECT_EQ(_wordcheck(c.mode, text.data(), c.position, c.length), c.result)
        << "mode " << c.mode << ": " << c.text << " at " << c.position;
  }
}

// Bytes before the text or past its terminating NUL do not exist; nothing there is read.
TEST(WordCheckTest, StretchesOutsideTheTextReadNothingOutside) {
  ExactText text("ab");
  EXPECT_EQ(_wordcheck(1, text.data(), 5, 3), 0);
  EXPECT_EQ(_wordcheck(1, text.data(), 3, 0), 0);
  EXPECT_EQ(_wordcheck(1, text.data(), 2, 0), 1);  // 'b' before, the NUL after
  EXPECT_EQ(_wordcheck(1, text.data(), -4, 1), 0);
  EXPECT_EQ(_wordcheck(1, text.data(), 0, -1), 0);
  EXPECT_EQ(_wordcheck(3, text.data(), 0x7FFFFFFF, 0x7FFFFFFF), 0);
}

const std::string kText = "the cat sat on the mat. A dog ran.";

int Rekkc(int range, int fold, int check, const std::string& word, const std::string& key,
          const std::string& text = kText) {
  ExactText in(text);
  ExactText k(key);
  const std::size_t at = text.find(word);
  EXPECT_NE(at, std::string::npos) << word;
  return _Rekkc(range, fold, check, static_cast<int>(at), static_cast<int>(word.size()),
                in.data(), k.data());
}

TEST(RekkcTest, SearchesForwardsFromTheWord) {
  // For ranges above 0 a hit is 0; for the others a hit is 1.
  EXPECT_EQ(Rekkc(1, 0, 1, "cat", "mat"), 0);
  EXPECT_EQ(Rekkc(1, 0, 1, "cat", "dog"), 0);
  EXPECT_EQ(Rekkc(1, 0, 1, "cat", "cow"), 1);
  EXPECT_EQ(Rekkc(0, 0, 1, "cat", "dog"), 1);
  EXPECT_EQ(Rekkc(0, 0, 1, "cat", "cow"), 0);
  EXPECT_EQ(Rekkc(1, 0, 1, "mat", "the"), 1);  // only after the word
  // The sentence ends at a period only before a double quote, or at '?' and '!'.
  EXPECT_EQ(Rekkc(11, 0, 1, "cat", "dog"), 0);
  EXPECT_EQ(Rekkc(11, 0, 1, "cat", "dog", "the cat sat? A dog ran."), 1);
  EXPECT_EQ(Rekkc(-9, 0, 1, "cat", "dog", "the cat sat? A dog ran."), 0);
  EXPECT_EQ(Rekkc(-9, 0, 1, "cat", "sat", "the cat sat? A dog ran."), 1);
  // The boundary test: "at" inside "sat" and "mat" fails mode 1 but passes mode 3 (after only).
  EXPECT_EQ(Rekkc(1, 0, 1, "cat", "at"), 1);
  EXPECT_EQ(Rekkc(1, 0, 3, "cat", "at"), 0);
  EXPECT_EQ(Rekkc(0, 0, 12, "cat", "at"), 1);  // range 0 does not test boundaries
  // A later occurrence can pass where an earlier one fails.
  EXPECT_EQ(Rekkc(1, 0, 1, "cat", "an", "the cat sank an anchor"), 0);
}

TEST(RekkcTest, SearchesBackwardsFromTheWordInTheReversedText) {
  // The key is searched as given in the text read backwards: "eht" finds "the".
  EXPECT_EQ(Rekkc(2, 0, 1, "mat", "eht"), 0);
  EXPECT_EQ(Rekkc(2, 0, 1, "mat", "the"), 1);
  EXPECT_EQ(Rekkc(-1, 0, 1, "mat", "eht"), 1);
  EXPECT_EQ(Rekkc(2, 0, 1, "cat", "tam"), 1);  // only before the word
  // The start of the sentence: in reverse, the first period not two bytes after another.
  EXPECT_EQ(Rekkc(2, 0, 1, "ran", "eht"), 0);
  EXPECT_EQ(Rekkc(12, 0, 1, "ran", "eht"), 1);
  EXPECT_EQ(Rekkc(-10, 0, 1, "ran", "eht"), 0);
  EXPECT_EQ(Rekkc(12, 0, 1, "ran", "god"), 0);
  // The boundary test runs on the caller's text at the occurrence's own position.
  EXPECT_EQ(Rekkc(2, 0, 1, "ran", "ta"), 1);  // "at" inside "mat", "sat" and "cat"
  EXPECT_EQ(Rekkc(2, 0, 3, "ran", "ta"), 0);  // after "mat" comes '.'
  EXPECT_EQ(Rekkc(2, 0, 1, "dog", "\x93\xFA", "\x93\xFA dog"), 0);  // double-byte keep order
}

TEST(RekkcTest, FoldsFullWidthCapitalsOfTheTextOnly) {
  const std::string after = "word \x82\x60\x82\x61";   // full-width A and B after the word
  EXPECT_EQ(Rekkc(0, 1, 0, "word", "\x82\x81\x82\x82", after), 1);   // full-width a and b
  EXPECT_EQ(Rekkc(0, 0, 0, "word", "\x82\x81\x82\x82", after), 0);
  EXPECT_EQ(Rekkc(0, 1, 0, "word", "\x82\x60\x82\x61", after), 0);  // the key is not folded
  const std::string before = "\x82\x60\x82\x61 word";
  EXPECT_EQ(Rekkc(-1, 1, 0, "word", "\x82\x82\x82\x81", before), 1);
  EXPECT_EQ(Rekkc(-1, 0, 0, "word", "\x82\x82\x82\x81", before), 0);
}

TEST(RekkcTest, UnknownRangesAndPositionsOutsideTheTextAreMisses) {
  ExactText text("the cat");
  EXPECT_EQ(_Rekkc(5, 0, 1, 4, 3, text.data(), "the"), 1);
  EXPECT_EQ(_Rekkc(-5, 0, 1, 4, 3, text.data(), "the"), 0);
  EXPECT_EQ(_Rekkc(1, 0, 0, 100, 3, text.data(), "t"), 1);
  EXPECT_EQ(_Rekkc(1, 0, 0, 0, 0, text.data(), "t"), 1);
  EXPECT_EQ(_Rekkc(2, 0, 0, 7, 1, text.data(), "t"), 1);
  EXPECT_EQ(_Rekkc(2, 0, 0, -1, 1, text.data(), "t"), 1);
}

// Texts beyond the work buffer are cut at a character boundary; words and keys beyond the cut
// are not found.
TEST(RekkcTest, UsesOnlyTheFirstBytesOfALongText) {
  std::string text(250, 'x');
  text += " word key ";
  text += std::string(20000, 'y');
  text += " far";
  EXPECT_EQ(Rekkc(1, 0, 1, "word", "key", text), 0);
  EXPECT_EQ(Rekkc(1, 0, 1, "word", "far", text), 1);
  EXPECT_EQ(Rekkc(2, 0, 1, "key", "drow", text), 0);
  EXPECT_EQ(Rekkc(1, 0, 1, "far", "far", text), 1);
  EXPECT_EQ(Rekkc(2, 0, 1, "far", "yek", text), 1);
}

}  // namespace
}  // namespace zentu

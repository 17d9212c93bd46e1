#include "store/word_order.h"

#include <gtest/gtest.h>

#include <string>

namespace store {
namespace {

struct OrderCase {
  std::string lesser;
  std::string greater;
};

TEST(WordOrderTest, OrdersByFoldedUnsignedBytesWithPrefixesFirst) {
  const OrderCase cases[] = {
      {"apple", "banana"},
      {"Apple", "banana"},  // A-Z folded before comparing
      {"apple", "Banana"},
      {"_x", "Ax"},    // 0x5F < 'a' (0x61): the folded value decides
      {"Zebra", "~"},  // 'z' (0x7A) < '~' (0x7E)
      {"ab", "abc"},   // a prefix is the lesser
      {"", "a"},
      {"z", "\x83\x41"},                 // unsigned: 0x83 sorts after every ASCII byte
      {"\x83\x41", "\x83\x61"},          // a second byte in 0x41-0x5A is not folded
      {"\x83\x41\x62", "\x83\x61\x61"},  // katakana A + b < katakana DI + a
      {"\x83\x5a\x41", "\x83\x5a\x62"},  // the character after it is folded again: a < b
      {"\x83\x42", "\x83\x61"},          // 0x42 < 0x61: no folding of a second byte
      {"x\x83\x41", "X\x83\x61"},
      {"\x82\x60", "\x82\x81"},  // full-width A and full-width a are different words
      {"\xb1", "\xdf"},          // half-width katakana
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.lesser + " < " + c.greater);
    EXPECT_LT(CompareWords(c.lesser, c.greater), 0);
    EXPECT_GT(CompareWords(c.greater, c.lesser), 0);
    EXPECT_FALSE(SameWord()(c.lesser, c.greater));
  }
}

TEST(WordOrderTest, WordsDifferingOnlyInAsciiLetterCaseAreOneWordWithOneHash) {
  const std::pair<std::string, std::string> same[] = {
      {"apple", "APPLE"},
      {"Run", "rUN"},
      {"x-Ray2", "X-rAY2"},
      {"\x83\x41\x5a", "\x83\x41\x7a"},  // a capital after a double-byte character is folded
      {"\x88\x9f\x51", "\x88\x9f\x71"},
      {"\x83", "\x83"},  // a lone lead byte
  };
  for (const auto& [a, b] : same) {
    EXPECT_EQ(CompareWords(a, b), 0) << a;
    EXPECT_TRUE(SameWord()(a, b)) << a;
    EXPECT_EQ(HashWord(a), HashWord(b)) << a;
  }
}

}  // namespace
}  // namespace store

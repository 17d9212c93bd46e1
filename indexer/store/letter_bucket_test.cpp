#include "store/letter_bucket.h"

#include <gtest/gtest.h>

#include <optional>

namespace store {
namespace {

TEST(LetterBucketTest, BytesAtTheEdgesOfEachClass) {
  const std::pair<int, char> cases[] = {
      {0x00, '#'}, {0x20, '#'}, {0x21, '_'}, {0x2F, '_'}, {0x30, '_'}, {0x39, '_'},
      {0x3A, '_'}, {0x40, '_'}, {0x41, 'A'}, {0x5A, 'Z'}, {0x5B, '_'}, {0x60, '_'},
      {0x61, 'A'}, {0x7A, 'Z'}, {0x7B, '_'}, {0x7E, '_'}, {0x7F, '#'}, {0x80, '#'},
      {0x81, '#'}, {0xA0, '#'}, {0xDF, '#'}, {0xFC, '#'}, {0xFF, '#'},
  };
  for (const auto& [byte, bucket_character] : cases) {
    EXPECT_EQ(LetterBucketCharacter(LetterBucketOf(static_cast<unsigned char>(byte))),
              bucket_character)
        << "byte " << byte;
  }
}

TEST(LetterBucketTest, WordsGoToTheBucketOfTheirFirstByte) {
  const std::pair<const char*, char> cases[] = {
      {"apple", 'A'},    {"Apple", 'A'},    {"3d", '_'},    {"-ing", '_'}, {"zoo", 'Z'},
      {"\x83\x41", '#'}, {"\xb1\xb2", '#'}, {"\x01x", '#'}, {"", '#'},     {"~tilde", '_'},
  };
  for (const auto& [word, bucket_character] : cases) {
    EXPECT_EQ(LetterBucketCharacter(LetterBucketOfWord(word)), bucket_character) << word;
  }
}

TEST(LetterBucketTest, FileNamesFollowTheBucketOrder) {
  EXPECT_EQ(LetterIndexFileName(0), "$$TMP$$._");
  EXPECT_EQ(LetterIndexFileName(1), "$$TMP$$.A");
  EXPECT_EQ(LetterIndexFileName(26), "$$TMP$$.Z");
  EXPECT_EQ(LetterIndexFileName(27), "$$TMP$$.#");
  EXPECT_EQ(kLetterBucketCharacters.size(), static_cast<std::size_t>(kLetterBucketCount));
}

TEST(LetterBucketTest, TheTestSearchSkipsKeywordsBeginningWithALeadByte) {
  const std::pair<int, std::optional<char>> cases[] = {
      {0x80, '#'}, {0x81, std::nullopt}, {0x9F, std::nullopt}, {0xA0, '#'},
      {0xDF, '#'}, {0xE0, std::nullopt}, {0xFC, std::nullopt}, {0xFD, '#'},
      {'a', 'A'},  {'Q', 'Q'},           {'3', '_'},           {' ', '#'},
  };
  for (const auto& [byte, bucket_character] : cases) {
    const std::optional<int> bucket = SearchBucketOf(static_cast<unsigned char>(byte));
    ASSERT_EQ(bucket.has_value(), bucket_character.has_value()) << "byte " << byte;
    if (bucket) {
      EXPECT_EQ(LetterBucketCharacter(*bucket), *bucket_character) << "byte " << byte;
    }
  }
}

}  // namespace
}  // namespace store

#include "store/word_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_error.h"
#include "store/index_file_writer.h"
#include "store/letter_bucket.h"
#include "store/store_test_support.h"
#include "testing/temp_directory.h"

namespace store {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

// The entries of a word list file after its 2-byte count.
std::vector<std::string> Entries(const std::string& bytes) {
  std::vector<std::string> words;
  for (std::size_t at = 2; at < bytes.size();) {
    const std::size_t length = static_cast<unsigned char>(bytes[at]);
    words.push_back(bytes.substr(at + 1, length));
    at += 1 + length;
  }
  return words;
}

class WordListTest : public ::testing::Test {
 protected:
  // Writes the letter index file of `bucket_character` holding `words`, inserted in order.
  void WriteLetterFile(char bucket_character, const std::vector<std::string>& words) {
    CStringTreeIndex index;
    for (const std::string& word : words) index.Insert(word, 0, 1, 1, 0);
    WriteIndexFile(index, dir_ / (std::string("$$TMP$$.") + bucket_character));
  }
  std::string WordListBytes() const { return ReadBytes(dir_ / "wordlist.qvx"); }

  TempDirectory dir_;
  std::string prefix_ = dir_.path().string() + "/";
  CStringTreeIndex index_;
};

TEST_F(WordListTest, WordsComeInBucketOrderAndFileOrder) {
  WriteLetterFile('Z', {"zoo"});
  WriteLetterFile('A', {"apple", "ant", "axe"});
  WriteLetterFile('_', {"3d"});
  WriteBytes(dir_ / "$$TMP$$.B", "\x03 not this version");
  index_.Insert("reset afterwards", 0, 1, 1, 0);

  ASSERT_TRUE(WriteWordList(prefix_, index_));
  const std::string bytes = WordListBytes();
  EXPECT_EQ(bytes.substr(0, 2), std::string("\x05\x00", 2));
  EXPECT_EQ(Entries(bytes), (std::vector<std::string>{"3d", "apple", "ant", "axe", "zoo"}));
  EXPECT_EQ(index_.word_list(), Entries(bytes));
  EXPECT_TRUE(index_.IsEmpty());

  // A second run writes the same list, each word once.
  ASSERT_TRUE(WriteWordList(prefix_, index_));
  EXPECT_EQ(WordListBytes(), bytes);
}

TEST_F(WordListTest, TheCountIsTheNumberOfWordsModulo65536) {
  std::vector<std::string> words;
  for (int i = 0; i < 70'000; ++i) words.push_back("w" + std::to_string(i));
  WriteLetterFile('W', words);
  ASSERT_TRUE(WriteWordList(prefix_, index_));
  const std::string bytes = WordListBytes();
  EXPECT_EQ(bytes.substr(0, 2), std::string("\x70\x11", 2));  // 4,464
  std::vector<std::string> entries = Entries(bytes);
  std::sort(entries.begin(), entries.end());
  std::sort(words.begin(), words.end());
  EXPECT_EQ(entries, words);
}

TEST_F(WordListTest, NoLetterFilesGiveTheTwoBytesOfAnEmptyList) {
  ASSERT_TRUE(WriteWordList(prefix_, index_));
  EXPECT_EQ(WordListBytes(), std::string("\0\0", 2));
}

TEST_F(WordListTest, ATruncatedLetterFileEndsItWithoutAWordList) {
  WriteLetterFile('A', {"apple", "ant"});
  const std::string bytes = ReadBytes(dir_ / "$$TMP$$.A");
  WriteBytes(dir_ / "$$TMP$$.A", bytes.substr(0, bytes.size() - 1));
  EXPECT_THROW(WriteWordList(prefix_, index_), platform::EndOfFileError);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "wordlist.qvx"));
}

TEST_F(WordListTest, AListThatCannotBeCreatedIsPassedOverWithoutAnError) {
  WriteLetterFile('A', {"apple"});
  std::filesystem::create_directory(dir_ / "wordlist.qvx");  // in the way of the file
  EXPECT_FALSE(WriteWordList(prefix_, index_));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);

  EXPECT_FALSE(WriteWordList(prefix_ + "no-such-folder/", index_));
  EXPECT_TRUE(index_.word_list().empty());
}

}  // namespace
}  // namespace store

#include "store/index_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/message_pump.h"
#include "store/store_test_support.h"

namespace store {
namespace {

using test_support::CountingPump;
using test_support::IndexFileBytes;

TEST(IndexTreeTest, AnOccurrenceIsDroppedOnlyWhenItRepeatsTheLastOffset) {
  CStringTreeIndex index;
  index.Insert("run", 0, 100, 1, 0);
  const CINode* node = index.Insert("run", 0, 100, 1, 0);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->occurrences().count(), 1u);

  CStringTreeIndex other;
  other.Insert("run", 0, 100, 1, 0);
  other.Insert("run", 0, 200, 2, 0);
  node = other.Insert("run", 0, 100, 3, 0);  // equal to an earlier offset, not to the last one
  ASSERT_EQ(node->occurrences().count(), 3u);
  EXPECT_EQ(node->occurrences()[2], (Occurrence{100, 3, 0, 0}));

  // Only the offset is compared: another line, file ID or entry type does not make it new.
  node = other.Insert("run", 4, 100, 9, 7);
  EXPECT_EQ(node->occurrences().count(), 3u);
}

TEST(IndexTreeTest, LaterSpellingsOfAWordAddToTheNodeOfTheFirst) {
  CStringTreeIndex index;
  const CINode* first = index.Insert("run", 0, 10, 1, 0);
  const CINode* again = index.Insert("Run", 2, 20, 2, 1);
  EXPECT_EQ(first, again);
  EXPECT_EQ(again->word(), "run");
  EXPECT_EQ(index.size(), 1u);
  EXPECT_EQ(again->occurrences()[1], (Occurrence{20, 2, 1, 2}));
}

TEST(IndexTreeTest, TheFirstWordIsTheRootAndLaterWordsHangByTheirOrder) {
  CStringTreeIndex index;
  index.Insert("m", 0, 1, 1, 0);
  ASSERT_NE(index.root(), nullptr);
  EXPECT_EQ(index.root()->word(), "m");
  EXPECT_EQ(index.root()->lesser(), nullptr);
  EXPECT_EQ(index.root()->greater(), nullptr);

  index.Insert("c", 0, 2, 1, 0);
  index.Insert("x", 0, 3, 1, 0);
  index.Insert("E", 0, 4, 1, 0);  // folded: between c and m
  const CINode* root = index.root();
  EXPECT_EQ(root->lesser()->word(), "c");
  EXPECT_EQ(root->greater()->word(), "x");
  EXPECT_EQ(root->lesser()->greater()->word(), "E");
}

TEST(IndexTreeTest, WordsThatDifferInADoubleByteCharacterAreDifferentWords) {
  CStringTreeIndex index;
  index.Insert("\x83\x41", 0, 1, 1, 0);  // katakana A
  index.Insert("\x83\x61", 0, 2, 1, 0);  // katakana DI: its second byte is no small 'A'
  index.Insert("\x82\x60", 0, 3, 1, 0);  // full-width A
  index.Insert("\x82\x81", 0, 4, 1, 0);  // full-width a
  EXPECT_EQ(index.size(), 4u);
}

TEST(IndexTreeTest, AWordEndsAtItsFirstNul) {
  CStringTreeIndex index;
  const CINode* node = index.Insert(std::string_view("ab\0cd", 5), 0, 1, 1, 0);
  EXPECT_EQ(node->word(), "ab");
  EXPECT_EQ(index.Insert("AB", 0, 2, 1, 0), node);
}

TEST(IndexTreeTest, ResetEmptiesTheTreeButKeepsTheWordList) {
  CStringTreeIndex index;
  index.Reset();
  EXPECT_TRUE(index.IsEmpty());

  index.word_list().push_back("kept");
  for (const char* word : {"b", "a", "c"}) index.Insert(word, 0, 1, 1, 0);
  EXPECT_FALSE(index.IsEmpty());
  index.Reset();
  EXPECT_TRUE(index.IsEmpty());
  EXPECT_EQ(index.root(), nullptr);
  EXPECT_EQ(index.word_list(), std::vector<std::string>{"kept"});

  index.Insert("z", 0, 1, 1, 0);
  EXPECT_EQ(index.root()->word(), "z");
  EXPECT_EQ(index.root()->lesser(), nullptr);
}

TEST(IndexTreeTest, InsertAndResetRunTheMessagePumpStep) {
  CountingPump pump;
  platform::ScopedMessagePump installed(&pump);
  CStringTreeIndex index;
  for (const char* word : {"b", "a", "b", "c", "a"}) index.Insert(word, 0, 1, 1, 0);
  EXPECT_EQ(pump.steps, 5);  // once per call, new word or not
  pump.steps = 0;
  index.Reset();
  EXPECT_EQ(pump.steps, 3);  // once per freed node
}

// The tree as plain descent from the root builds it, and the index file of that tree written by
// a plain recursive pre-order walk: the reference that the index's placement and writer must
// match byte for byte.
class ReferenceTree {
 public:
  void Insert(const std::string& word, std::uint8_t type, std::int32_t offset, std::int32_t line,
              std::int16_t file_id) {
    const Occurrence occurrence{offset, line, file_id, type};
    const std::vector<int> key = Folded(word);
    if (nodes_.empty()) {
      nodes_.push_back(Node{word, key, {occurrence}, -1, -1});
      return;
    }
    int at = 0;
    for (;;) {
      const int order = nodes_[at].key == key ? 0 : (nodes_[at].key < key ? -1 : 1);
      if (order == 0) {
        if (nodes_[at].occurrences.back().offset != offset) {
          nodes_[at].occurrences.push_back(occurrence);
        }
        return;
      }
      const int next = order > 0 ? nodes_[at].lesser : nodes_[at].greater;
      if (next < 0) {
        const int added = static_cast<int>(nodes_.size());
        (order > 0 ? nodes_[at].lesser : nodes_[at].greater) = added;
        nodes_.push_back(Node{word, key, {occurrence}, -1, -1});
        return;
      }
      at = next;
    }
  }

  std::string FileBytes() const {
    std::string bytes = "\x04";
    Write(0, bytes);
    return bytes;
  }

 private:
  struct Node {
    std::string word;
    std::vector<int> key;  // the word's bytes as the order compares them
    std::vector<Occurrence> occurrences;
    int lesser;
    int greater;
  };

  // Each word is split into characters on its own; a single-byte capital is folded.
  static std::vector<int> Folded(const std::string& word) {
    std::vector<int> bytes;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const unsigned char u = static_cast<unsigned char>(word[i]);
      if (((u >= 0x81 && u <= 0x9F) || (u >= 0xE0 && u <= 0xFC)) && i + 1 < word.size()) {
        bytes.push_back(u);
        bytes.push_back(static_cast<unsigned char>(word[++i]));
      } else {
        bytes.push_back((u >= 'A' && u <= 'Z') ? u + 32 : u);
      }
    }
    bytes.push_back(0);  // the terminating NUL takes part
    return bytes;
  }

  void Write(int at, std::string& bytes) const {
    const Node& node = nodes_[at];
    bytes += test_support::RecordHeadBytes(node.word, node.occurrences);
    for (int child : {node.lesser, node.greater}) {
      bytes += child < 0 ? '\0' : '\x01';
      if (child >= 0) Write(child, bytes);
    }
  }

  std::vector<Node> nodes_;
};

std::vector<std::string> DistinctWords(int count, std::mt19937& random) {
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCXYZ0-_\xb1";
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) {
    std::string word = std::to_string(i);  // distinct, whatever the letters
    for (int n = static_cast<int>(random() % 6); n >= 0; --n) {
      if (random() % 4 == 0) {  // a double-byte character whose second byte may be a capital
        word.insert(0, {'\x83', "AaZz\x81\x9f"[random() % 6]});
      } else {
        word.insert(word.begin(), letters[random() % letters.size()]);
      }
    }
    words.push_back(word);
  }
  std::sort(words.begin(), words.end(),
            [](const std::string& a, const std::string& b) { return CompareWords(a, b) < 0; });
  words.erase(std::unique(words.begin(), words.end(), SameWord()), words.end());
  return words;
}

TEST(IndexTreeTest, PlacementMatchesPlainDescentByteForByte) {
  std::mt19937 random(4);
  const std::vector<std::string> sorted = DistinctWords(3000, random);
  const std::vector<std::string> reversed(sorted.rbegin(), sorted.rend());

  // Random order, with repeated words in other letter cases and offsets that sometimes repeat
  // the word's last one.
  std::vector<std::string> shuffled;
  for (int i = 0; i < 6000; ++i) {
    if (!shuffled.empty() && random() % 5 == 0) {
      shuffled.push_back(shuffled.back());
      continue;
    }
    std::string word = sorted[random() % 1500];
    if (random() % 4 == 0) {
      for (char& c : word) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      }
    }
    shuffled.push_back(word);
  }

  for (const std::vector<std::string>* words : {&sorted, &reversed, &std::as_const(shuffled)}) {
    CStringTreeIndex index;
    ReferenceTree reference;
    std::int32_t offset = 0;
    for (std::size_t i = 0; i < words->size(); ++i) {
      if (random() % 3 != 0) offset += 10;
      const auto line = static_cast<std::int32_t>(i + 1);
      const auto file_id = static_cast<std::int16_t>(random() % 3);
      const auto type = static_cast<std::uint8_t>(random() % 5);
      index.Insert((*words)[i], type, offset, line, file_id);
      reference.Insert((*words)[i], type, offset, line, file_id);
      // The tree read between insertions too: later words join the shape worked out before.
      if (i % 1000 == 999) {
        EXPECT_EQ(IndexFileBytes(index), reference.FileBytes());
      }
    }
    EXPECT_EQ(IndexFileBytes(index), reference.FileBytes());
  }
}

}  // namespace
}  // namespace store

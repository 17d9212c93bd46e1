// Trees whose depth is the number of words: sorted and reverse-sorted input makes a chain of a
// million nodes, which every operation must handle without recursion.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/file.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/index_lookup.h"
#include "store/index_tree.h"
#include "testing/temp_directory.h"

namespace store {
namespace {

constexpr int kWords = 1'000'000;

std::string WordNumber(int i) {
  char word[16];
  std::snprintf(word, sizeof word, "w%07d", i);
  return word;
}

TEST(DeepIndexTest, MillionWordChainsAreWrittenReadAndFreedWithoutRecursion) {
  testing_support::TempDirectory dir;
  for (bool reversed : {false, true}) {
    SCOPED_TRACE(reversed ? "reverse-sorted" : "sorted");
    const std::string path = dir / "index";
    {
      CStringTreeIndex index;
      for (int i = 0; i < kWords; ++i) {
        const int n = reversed ? kWords - 1 - i : i;
        index.Insert(WordNumber(n), 0, i, i, 0);
      }
      ASSERT_EQ(index.size(), static_cast<std::size_t>(kWords));
      WriteIndexFile(index, path);
      index.Reset();
      EXPECT_TRUE(index.IsEmpty());
    }

    // A chain's pre-order is its insertion order.
    platform::File file = platform::File::OpenForReading(path);
    IndexFileReader reader(file);
    ASSERT_TRUE(reader.ReadVersion());
    int records = 0;
    bool in_order = true;
    while (reader.NextRecord()) {
      const int n = reversed ? kWords - 1 - records : records;
      if (reader.word() != WordNumber(n)) in_order = false;
      ++records;
    }
    EXPECT_EQ(records, kWords);
    EXPECT_TRUE(in_order);

    platform::File again = platform::File::OpenForReading(path);
    IndexFileReader lookup(again);
    ASSERT_TRUE(lookup.ReadVersion());
    EXPECT_TRUE(FindWord(WordNumber(reversed ? 0 : kWords - 1), lookup));  // the deepest node
    Occurrence o;
    ASSERT_TRUE(lookup.NextOccurrence(o));
    EXPECT_EQ(o.offset, kWords - 1);
  }
}

}  // namespace
}  // namespace store

// Trees whose depth is the number of words: sorted and reverse-sorted input makes a chain of a
// million nodes, which every operation must handle without recursion.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/file.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
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

class DeepIndexTest : public ::testing::TestWithParam<bool> {};

TEST_P(DeepIndexTest, AMillionWordChainIsBuiltWrittenReadAndFreedWithoutRecursion) {
  const bool reversed = GetParam();
  testing_support::TempDirectory dir;
  const std::string path = dir / "index";
  {
    CStringTreeIndex index;
    for (int i = 0; i < kWords; ++i) {
      index.Insert(WordNumber(reversed ? kWords - 1 - i : i), 0, i, i, 0);
    }
    ASSERT_EQ(index.size(), static_cast<std::size_t>(kWords));
    WriteIndexFile(index, path);
  }  // destroyed here, chain and all

  // A chain's pre-order is its insertion order.
  platform::File file = platform::File::OpenForReading(path);
  IndexFileReader reader(file);
  ASSERT_TRUE(reader.ReadVersion());
  int records = 0;
  bool in_order = true;
  while (reader.NextRecord()) {
    if (reader.word() != WordNumber(reversed ? kWords - 1 - records : records)) in_order = false;
    ++records;
  }
  EXPECT_EQ(records, kWords);
  EXPECT_TRUE(in_order);
}

INSTANTIATE_TEST_SUITE_P(SortedAndReverseSorted, DeepIndexTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& order) {
                           return order.param ? "ReverseSorted" : "Sorted";
                         });

}  // namespace
}  // namespace store

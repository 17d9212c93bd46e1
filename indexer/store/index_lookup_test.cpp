#include "store/index_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/file.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/index_tree.h"
#include "testing/temp_directory.h"

namespace store {
namespace {

using testing_support::TempDirectory;

class IndexLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CStringTreeIndex index;
    index.Insert("run", 0, 100, 1, 3);  // the root
    index.Insert("ran", 0, 200, 2, 3);
    index.Insert("rust", 2, 300, 3, 4);
    index.Insert("rust", 2, 400, 4, 5);
    index.Insert("ruby", 0, 500, 5, 3);
    WriteIndexFile(index, path_);
  }

  TempDirectory dir_;
  std::string path_ = dir_ / "$$TMP$$.R";
};

TEST_F(IndexLookupTest, AFoundWordLeavesTheReaderAtItsOccurrences) {
  for (const auto& [keyword, expected] :
       std::vector<std::pair<std::string, std::vector<Occurrence>>>{
           {"run", {{100, 1, 3, 0}}},  // the root: found on its own record
           {"rust", {{300, 3, 4, 2}, {400, 4, 5, 2}}},
           {"ruby", {{500, 5, 3, 0}}},
       }) {
    platform::File file = platform::File::OpenForReading(path_);
    IndexFileReader reader(file);
    ASSERT_TRUE(reader.ReadVersion());
    ASSERT_TRUE(FindWord(keyword, reader)) << keyword;
    std::vector<Occurrence> occurrences;
    Occurrence o;
    while (reader.NextOccurrence(o)) occurrences.push_back(o);
    EXPECT_EQ(occurrences, expected) << keyword;
  }
}

TEST_F(IndexLookupTest, MissesReadTheWholeTreeWithoutError) {
  // 'Run' is not folded by the lookup; 'apple' belongs to another bucket's file.
  for (const char* keyword : {"Run", "ru", "runs", "apple", ""}) {
    platform::File file = platform::File::OpenForReading(path_);
    IndexFileReader reader(file);
    ASSERT_TRUE(reader.ReadVersion());
    EXPECT_FALSE(FindWord(keyword, reader)) << keyword;
    EXPECT_FALSE(reader.NextRecord());
    EXPECT_EQ(reader.position(), std::filesystem::file_size(path_));
  }
}

}  // namespace
}  // namespace store

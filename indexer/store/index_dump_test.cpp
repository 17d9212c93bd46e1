#include "store/index_dump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/file_error.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/index_tree.h"
#include "store/letter_bucket.h"
#include "testing/temp_directory.h"

namespace store {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

std::string NameOf(int file_id) {
  if (file_id == 3) return "N3";
  if (file_id == 5) return "N5";
  return "";  // not in the table
}

class IndexDumpTest : public ::testing::Test {
 protected:
  // The dump text of an index file holding `index`.
  std::string DumpOf(const CStringTreeIndex& index) {
    const std::string input = dir_ / "index";
    const std::string output = dir_ / "dump";
    WriteIndexFile(index, input);
    platform::File in_file = platform::File::OpenForReading(input);
    IndexFileReader reader(in_file);
    EXPECT_TRUE(reader.ReadVersion());
    platform::File out_file = platform::File::Create(output);
    platform::ArchiveWriter out(out_file);
    DumpNode(reader, out, NameOf);
    out.Flush();
    out_file.Close();
    return ReadBytes(output);
  }

  TempDirectory dir_;
};

TEST_F(IndexDumpTest, ANodeShowsItsLineNumbersUnderAHeadingPerRunOfFileIds) {
  CStringTreeIndex index;
  index.Insert("abc", 0, 1, 10, 3);
  index.Insert("abc", 0, 2, 25, 3);
  index.Insert("abc", 0, 3, 7, 5);
  index.Insert("abc", 0, 4, 8, 3);  // back to file 3: a third heading
  index.Insert("a", 0, 5, 1, 9);    // a file ID with no name
  EXPECT_EQ(DumpOf(index),
            "==========================\r\n"
            "Word : abc\r\n"
            "[[ N3 ]]\r\n"
            "10 25 \r\n"
            "[[ N5 ]]\r\n"
            "7 \r\n"
            "[[ N3 ]]\r\n"
            "8 \r\n"
            "==========================\r\n"
            "Word : a\r\n"
            "[[  ]]\r\n"
            "1 \r\n");
}

TEST_F(IndexDumpTest, NumbersWrapBeforeTheyWouldPassColumn78) {
  CStringTreeIndex index;
  // Thirteen numbers of six bytes ("10000 ") fill exactly 78 columns; the fourteenth wraps.
  for (int i = 0; i < 14; ++i) index.Insert("w", 0, i, 10000 + i, 3);
  index.Insert("w", 0, 100, -1, 3);  // "%lu" of -1
  std::string numbers;
  for (int i = 0; i < 13; ++i) numbers += std::to_string(10000 + i) + " ";
  ASSERT_EQ(numbers.size(), 78u);
  EXPECT_EQ(DumpOf(index), "==========================\r\nWord : w\r\n[[ N3 ]]\r\n" + numbers +
                               "\r\n10013 4294967295 \r\n");
}

TEST_F(IndexDumpTest, TheDumpCommandWritesOneFilePerBucketAndGoesOnPastMissingOnes) {
  const std::string prefix = dir_.path().string() + "/";
  CStringTreeIndex index;
  index.Insert("apple", 0, 1, 4, 3);
  WriteIndexFile(index, prefix + "$$TMP$$.A");
  WriteBytes(prefix + "$$TMP$$.B", "\x03 another version");
  WriteBytes(prefix + "DUMP.C", "stale");

  DumpIndexFiles(prefix, NameOf);
  for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
    const std::string dump = prefix + "DUMP." + LetterBucketCharacter(bucket);
    ASSERT_TRUE(std::filesystem::exists(dump)) << dump;
    if (bucket != 1) {
      EXPECT_EQ(ReadBytes(dump), "") << dump;
    }
  }
  EXPECT_EQ(ReadBytes(prefix + "DUMP.A"),
            "==========================\r\nWord : apple\r\n[[ N3 ]]\r\n4 \r\n");
}

TEST_F(IndexDumpTest, ATruncatedLetterFileEndsTheDumpAtItsBucket) {
  const std::string prefix = dir_.path().string() + "/";
  CStringTreeIndex index;
  index.Insert("apple", 0, 1, 4, 3);
  WriteIndexFile(index, prefix + "$$TMP$$.A");
  index.Reset();
  index.Insert("cat", 0, 1, 4, 3);
  WriteIndexFile(index, prefix + "$$TMP$$.C");
  const std::string bytes = ReadBytes(prefix + "$$TMP$$.C");
  WriteBytes(prefix + "$$TMP$$.C", bytes.substr(0, bytes.size() - 1));

  EXPECT_THROW(DumpIndexFiles(prefix, NameOf), platform::EndOfFileError);
  EXPECT_TRUE(std::filesystem::exists(prefix + "DUMP.B"));
  EXPECT_FALSE(std::filesystem::exists(prefix + "DUMP.C"));
  EXPECT_FALSE(std::filesystem::exists(prefix + "DUMP.D"));
  std::vector<std::string> hidden;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
    if (entry.path().filename().string()[0] == '.') hidden.push_back(entry.path().string());
  }
  EXPECT_EQ(hidden, std::vector<std::string>{});  // no temporary left behind
}

}  // namespace
}  // namespace store

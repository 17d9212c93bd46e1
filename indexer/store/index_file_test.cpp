// The index file format: the writer's bytes and the one reader of the record grammar.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/file_error.h"
#include "platform/message_pump.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/index_format_error.h"
#include "store/index_tree.h"
#include "store/store_test_support.h"
#include "testing/temp_directory.h"

namespace store {
namespace {

using test_support::CountingPump;
using test_support::IndexFileBytes;
using test_support::Int32Bytes;
using test_support::ReadRecords;
using test_support::Record;
using test_support::RecordHeadBytes;
using testing_support::ReadBytes;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

std::string Hex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ' || hex[i] == '\n') {
      ++i;
      continue;
    }
    bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    i += 2;
  }
  return bytes;
}

TEST(IndexFileTest, ThreeWordTreeIsThe73BytesOfTheFormat) {
  CStringTreeIndex index;
  index.Insert("b", 1, 0x10, 2, 3);
  index.Insert("a", 1, 0x20, 5, 3);
  index.Insert("c", 2, 0x30, 7, 3);
  const std::string expected = Hex(R"(
      04
      02 62 00  01 00 00 00  10 00 00 00 02 00 00 00 03 00 01  FF FF FF FF
      01
        02 61 00  01 00 00 00  20 00 00 00 05 00 00 00 03 00 01  FF FF FF FF  00  00
      01
        02 63 00  01 00 00 00  30 00 00 00 07 00 00 00 03 00 02  FF FF FF FF  00  00)");
  ASSERT_EQ(expected.size(), 73u);
  EXPECT_EQ(IndexFileBytes(index), expected);
}

TEST(IndexFileTest, OneWordIndexIs25Bytes) {
  CStringTreeIndex index;
  index.Insert("a", 0, 7, 1, 0);
  EXPECT_EQ(IndexFileBytes(index),
            Hex("04 02 61 00 01 00 00 00 07 00 00 00 01 00 00 00 00 00 00 FF FF FF FF 00 00"));
}

TEST(IndexFileTest, AGreaterChainIsRecordZeroOneUpToTwoZeros) {
  CStringTreeIndex index;
  for (const char* word : {"a", "b", "c"}) index.Insert(word, 0, 1, 1, 0);
  const Occurrence one{1, 1, 0, 0};
  EXPECT_EQ(IndexFileBytes(index), "\x04" + RecordHeadBytes("a", {one}) + std::string("\0\1", 2) +
                                       RecordHeadBytes("b", {one}) + std::string("\0\1", 2) +
                                       RecordHeadBytes("c", {one}) + std::string("\0\0", 2));
}

TEST(IndexFileTest, ALongestWordOf254BytesHasTheLengthByteFF) {
  CStringTreeIndex index;
  const std::string word(254, 'w');
  index.Insert(word, 0, 1, 1, 0);
  const std::string bytes = IndexFileBytes(index);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFF);
  EXPECT_EQ(bytes.size(), 1 + 1 + 255 + 4 + 11 + 4 + 2u);
}

// Trees that the format cannot hold are refused before any finished file exists, and an older
// file of the name is left as it was.
TEST(IndexFileTest, TheWriterRefusesWhatTheFormatCannotHold) {
  struct Case {
    const char* name;
    std::string word;
    std::int32_t offset;
  };
  const Case cases[] = {
      {"word of 255 bytes", std::string(255, 'w'), 1},
      {"offset -1", "word", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDirectory dir;
    const std::string path = dir / "$$TMP$$.W";
    WriteBytes(path, "old");
    CStringTreeIndex index;
    index.Insert("a", 0, 1, 1, 0);
    index.Insert(c.word, 0, c.offset, 1, 0);
    EXPECT_THROW(WriteIndexFile(index, path), IndexFormatError);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  }
  TempDirectory dir;
  CStringTreeIndex empty;
  EXPECT_THROW(WriteIndexFile(empty, dir / "empty"), IndexFormatError);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(IndexFileTest, AFileThatCannotBeCreatedIsAFileError) {
  CStringTreeIndex index;
  index.Insert("a", 0, 1, 1, 0);
  TempDirectory dir;
  EXPECT_THROW(WriteIndexFile(index, dir / "no-such-folder/index"), platform::FileError);
}

TEST(IndexFileTest, ReadingGivesTheRecordsInPreOrderWithAllOccurrences) {
  CStringTreeIndex index;
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    const std::string word = "w" + std::to_string(random() % 500);
    index.Insert(word, static_cast<std::uint8_t>(i % 5), i / 2, i,
                 static_cast<std::int16_t>(i % 7));
  }
  // The expected records: the tree's own pre-order.
  std::vector<Record> expected;
  std::vector<const CINode*> stack{index.root()};
  while (!stack.empty()) {
    const CINode* node = stack.back();
    stack.pop_back();
    expected.push_back(Record{std::string(node->word()),
                              {node->occurrences().begin(), node->occurrences().end()}});
    if (node->greater()) stack.push_back(node->greater());
    if (node->lesser()) stack.push_back(node->lesser());
  }

  TempDirectory dir;
  WriteIndexFile(index, dir / "index");
  EXPECT_EQ(ReadRecords(dir / "index"), expected);
}

TEST(IndexFileTest, OnlyVersion4IsReadAndNothingFollowsAnotherFirstByte) {
  TempDirectory dir;
  for (int version : {0x00, 0x03, 0x05, 0xFF}) {
    const std::string path = dir / "index";
    WriteBytes(path, std::string(1, static_cast<char>(version)) + RecordHeadBytes("a", {}) +
                         std::string("\0\0", 2));
    platform::File file = platform::File::OpenForReading(path);
    IndexFileReader reader(file);
    EXPECT_FALSE(reader.ReadVersion()) << version;
    EXPECT_FALSE(reader.NextRecord());
    EXPECT_EQ(reader.position(), 1u);
  }
  const std::string path = dir / "empty";
  WriteBytes(path, "");
  platform::File file = platform::File::OpenForReading(path);
  IndexFileReader reader(file);
  EXPECT_THROW(reader.ReadVersion(), platform::EndOfFileError);
}

TEST(IndexFileTest, AFileEndingAnywhereInsideTheTreeIsAnEndOfFileError) {
  CStringTreeIndex index;
  for (const char* word : {"m", "c", "x", "a", "e", "z"}) index.Insert(word, 0, 5, 1, 0);
  index.Insert("e", 0, 6, 2, 1);
  const std::string bytes = IndexFileBytes(index);
  TempDirectory dir;
  const std::string path = dir / "index";
  for (std::size_t size = 1; size < bytes.size(); ++size) {
    WriteBytes(path, bytes.substr(0, size));
    EXPECT_THROW(ReadRecords(path), platform::EndOfFileError) << "cut after " << size;
  }
  WriteBytes(path, bytes + "trailing bytes are not read");
  EXPECT_EQ(ReadRecords(path).size(), 6u);
}

TEST(IndexFileTest, HostileRecordsAreRefusedOrReadWithoutTrustingTheirCounts) {
  const Occurrence one{1, 2, 3, 4};
  const std::string leaf_flags("\0\0", 2);
  struct Case {
    const char* name;
    std::string bytes;
    bool malformed;
    std::size_t records;
  };
  const Case cases[] = {
      {"word length 0", "\x04" + std::string(1, '\0') + Int32Bytes(0) + Int32Bytes(-1) + leaf_flags,
       true, 0},
      {"word without its NUL", "\x04\x02\x61\x62" + Int32Bytes(0) + Int32Bytes(-1) + leaf_flags,
       true, 0},
      {"NUL inside the word",
       "\x04\x03" + std::string("a\0b", 3) + Int32Bytes(0) + Int32Bytes(-1) + leaf_flags, true, 0},
      {"a count of 2,147,483,647 for one occurrence",
       "\x04" + RecordHeadBytes("a", {one}, 0x7fffffff) + leaf_flags, false, 1},
      {"a negative count", "\x04" + RecordHeadBytes("a", {one, one}, -5) + leaf_flags, false, 1},
      {"child flags other than 1 announce children",
       "\x04" + RecordHeadBytes("b", {one}) + "\x07" + RecordHeadBytes("a", {one}) + leaf_flags +
           "\xff" + RecordHeadBytes("c", {one}) + leaf_flags,
       false, 3},
      {"the empty word", "\x04" + RecordHeadBytes("", {one}) + leaf_flags, false, 1},
  };
  TempDirectory dir;
  const std::string path = dir / "index";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(path, c.bytes);
    if (c.malformed) {
      try {
        ReadRecords(path);
        ADD_FAILURE() << "no error";
      } catch (const IndexFormatError& error) {
        EXPECT_NE(std::string(error.what()).find("malformed index record at byte 1"),
                  std::string::npos)
            << error.what();
        EXPECT_EQ(error.path(), path);
      }
    } else {
      EXPECT_EQ(ReadRecords(path).size(), c.records);
    }
  }
}

TEST(IndexFileTest, AMillionNestedChildFlagsCostNeitherStackNorMemory) {
  // A chain of a million lesser children whose file ends before any subtree is closed: every
  // record is read, then the missing flags make it an end-of-file error.
  const std::string record = RecordHeadBytes("x", {}) + "\x01";
  std::string bytes = "\x04";
  bytes.reserve(1 + record.size() * 1'000'000);
  for (int i = 0; i < 1'000'000; ++i) bytes += record;
  TempDirectory dir;
  const std::string path = dir / "index";
  WriteBytes(path, bytes);

  platform::File file = platform::File::OpenForReading(path);
  IndexFileReader reader(file);
  ASSERT_TRUE(reader.ReadVersion());
  long records = 0;
  try {
    while (reader.NextRecord()) ++records;
    ADD_FAILURE() << "no error";
  } catch (const platform::EndOfFileError&) {
  }
  EXPECT_EQ(records, 1'000'000);
}

TEST(IndexFileTest, WritingAndReadingRunTheMessagePumpStep) {
  CStringTreeIndex index;
  for (const char* word : {"m", "c", "x", "a", "e"}) index.Insert(word, 0, 1, 1, 0);
  TempDirectory dir;
  CountingPump pump;
  platform::ScopedMessagePump installed(&pump);
  WriteIndexFile(index, dir / "index");
  EXPECT_EQ(pump.steps, 4);  // one per child flag of 1
  pump.steps = 0;
  ReadRecords(dir / "index");
  EXPECT_EQ(pump.steps, 5);  // one per record
}

}  // namespace
}  // namespace store

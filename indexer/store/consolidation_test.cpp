#include "store/consolidation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/file_error.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/letter_bucket.h"
#include "store/store_test_support.h"
#include "store/word_list.h"
#include "testing/scoped_current_directory.h"
#include "testing/temp_directory.h"

namespace store {
namespace {

using namespace std::string_literals;
using test_support::ReadRecords;
using test_support::Record;
using testing_support::ReadBytes;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

struct Entry {
  std::string word;
  std::int32_t offset;
  std::int32_t line_number = 1;
  std::uint8_t entry_type = 0;
};

// Writes a partial index file of source file `file_id` with the entries inserted in order.
void WritePartial(const std::string& path, std::int16_t file_id,
                  const std::vector<Entry>& entries) {
  CStringTreeIndex index;
  for (const Entry& e : entries) {
    index.Insert(e.word, e.entry_type, e.offset, e.line_number, file_id);
  }
  WriteIndexFile(index, path);
}

std::vector<std::string> NamesIn(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Consolidation as twenty-eight passes over every partial file, one per bucket: the procedure
// whose result ConsolidateIndexes must reproduce byte for byte.
void ConsolidateInTwentyEightPasses(const std::vector<std::string>& partial_paths,
                                    const std::string& directory) {
  CStringTreeIndex index;
  for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
    index.Reset();
    for (const std::string& path : partial_paths) {
      platform::File file = platform::File::OpenForReading(path);
      IndexFileReader reader(file);
      if (!reader.ReadVersion()) continue;
      while (reader.NextRecord()) {
        if (LetterBucketOfWord(reader.word()) != bucket) continue;
        Occurrence o;
        while (reader.NextOccurrence(o)) {
          index.Insert(reader.word(), o.entry_type, o.offset, o.line_number, o.file_id);
        }
      }
    }
    if (!index.IsEmpty()) WriteIndexFile(index, directory + LetterIndexFileName(bucket));
  }
}

class ConsolidationTest : public ::testing::Test {
 protected:
  std::string Partial(int file_id) {
    char name[16];
    std::snprintf(name, sizeof name, "IDX_TEST.%03d", file_id);
    return partials_ / name;
  }
  std::string Out(std::string_view name) const { return out_ / std::string(name); }

  TempDirectory partials_;
  TempDirectory out_;
  std::string out_dir_ = out_.path().string() + "/";
  CStringTreeIndex index_;
};

TEST_F(ConsolidationTest, NothingHappensWithoutFilesOrWithoutBothProfileValues) {
  WritePartial(Partial(0), 0, {{"apple", 1}});
  WriteBytes(Out("$$TMP$$.A"), "old");
  index_.Insert("kept", 0, 1, 1, 0);

  EXPECT_FALSE(ConsolidateIndexes(index_, {}, out_dir_, ""));
  EXPECT_FALSE(ConsolidateIndexes(index_, {Partial(0)}, "", ""));
  EXPECT_EQ(ReadBytes(Out("$$TMP$$.A")), "old");
  EXPECT_EQ(NamesIn(out_.path()), std::vector<std::string>{"$$TMP$$.A"});
  EXPECT_TRUE(std::filesystem::exists(Partial(0)));
  EXPECT_FALSE(index_.IsEmpty());
}

TEST_F(ConsolidationTest, WordsGoToTheirBucketsAndOccurrencesFollowTheListOrder) {
  const std::string kana = "\x83\x41\x83\x43";  // a double-byte first byte
  const std::string half_width = "\xb1\xb2";
  const std::string control = std::string(1, '\x01') + "ctl";
  WritePartial(Partial(0), 0,
               {{"apple", 100},
                {"3d", 100},
                {"-ing", 200},
                {kana, 200},
                {half_width, 300},
                {control, 300},
                {"share", 400},
                {"share", 500, 9}});
  WritePartial(Partial(1), 1, {{"share", 500, 1}, {"share", 600, 2}, {"Apple", 50}, {"zoo", 70}});

  std::vector<bool> notices;
  ASSERT_TRUE(ConsolidateIndexes(index_, {Partial(0), Partial(1)}, out_dir_, "",
                                 [&](bool writing) { notices.push_back(writing); }));

  EXPECT_EQ(NamesIn(out_.path()),
            (std::vector<std::string>{"$$TMP$$.#", "$$TMP$$.A", "$$TMP$$.S", "$$TMP$$.Z",
                                      "$$TMP$$._", "wordlist.qvx"}));
  EXPECT_TRUE(std::filesystem::is_empty(partials_.path()));
  EXPECT_TRUE(index_.IsEmpty());
  EXPECT_EQ(notices,
            (std::vector<bool>{true, false, true, false, true, false, true, false, true, false}));

  // The tree of file 0's shape: '3d' first, '-ing' below it; apple keeps its first spelling and
  // gets file 1's occurrence after file 0's; offset 500 ends file 0's list for 'share' and
  // starts file 1's, so it is kept once.
  EXPECT_EQ(ReadRecords(Out("$$TMP$$._")),
            (std::vector<Record>{{"3d", {{100, 1, 0, 0}}}, {"-ing", {{200, 1, 0, 0}}}}));
  EXPECT_EQ(ReadRecords(Out("$$TMP$$.A")),
            (std::vector<Record>{{"apple", {{100, 1, 0, 0}, {50, 1, 1, 0}}}}));
  EXPECT_EQ(ReadRecords(Out("$$TMP$$.S")),
            (std::vector<Record>{{"share", {{400, 1, 0, 0}, {500, 9, 0, 0}, {600, 2, 1, 0}}}}));
  EXPECT_EQ(ReadRecords(Out("$$TMP$$.Z")), (std::vector<Record>{{"zoo", {{70, 1, 1, 0}}}}));
  // File 0's pre-order is apple, 3d, -ing, control, kana, share, half-width.
  EXPECT_EQ(ReadRecords(Out("$$TMP$$.#")), (std::vector<Record>{{control, {{300, 1, 0, 0}}},
                                                                {kana, {{200, 1, 0, 0}}},
                                                                {half_width, {{300, 1, 0, 0}}}}));

  std::string words = "\x08\x00"s;
  for (const std::string& w :
       {"3d"s, "-ing"s, "apple"s, "share"s, "zoo"s, control, kana, half_width}) {
    words += static_cast<char>(w.size()) + w;
  }
  EXPECT_EQ(ReadBytes(Out("wordlist.qvx")), words);
  EXPECT_EQ(index_.word_list().size(), 8u);
}

// Writes the partial files of `files` (one entry list per source file) and then the partial
// files `file_bytes` as they are, consolidates them with `memory_limit` and expects the letter
// files and the word list of twenty-eight passes, an old letter file of an empty bucket kept,
// and no spill file left.
void ExpectTheBytesOfTwentyEightPasses(const std::vector<std::vector<Entry>>& files,
                                       const std::vector<std::string>& file_bytes,
                                       std::size_t memory_limit) {
  TempDirectory partials;
  TempDirectory out;
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < files.size() + file_bytes.size(); ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "IDX_TEST.%03d", static_cast<int>(i));
    paths.push_back(partials / name);
    if (i < files.size()) {
      WritePartial(paths.back(), static_cast<std::int16_t>(i), files[i]);
    } else {
      WriteBytes(paths.back(), file_bytes[i - files.size()]);
    }
  }

  // A letter file of an empty bucket, left from an earlier run, stays and is in the word list.
  CStringTreeIndex earlier;
  earlier.Insert("kept", 0, 1, 1, 0);
  earlier.Insert("keen", 0, 2, 1, 0);

  TempDirectory reference;
  const std::string reference_dir = reference.path().string() + "/";
  const std::string out_dir = out.path().string() + "/";
  WriteIndexFile(earlier, reference_dir + "$$TMP$$.K");
  WriteIndexFile(earlier, out_dir + "$$TMP$$.K");
  ConsolidateInTwentyEightPasses(paths, reference_dir);
  CStringTreeIndex scratch;
  ASSERT_TRUE(WriteWordList(reference_dir, scratch));

  CStringTreeIndex index;
  ASSERT_TRUE(ConsolidateIndexes(index, paths, out_dir, "", {}, memory_limit));

  const std::vector<std::string> names = NamesIn(reference.path());
  ASSERT_EQ(NamesIn(out.path()), names);
  for (const std::string& name : names) {
    EXPECT_EQ(ReadBytes(out_dir + name), ReadBytes(reference_dir + name)) << name;
  }
  EXPECT_EQ(index.word_list(), scratch.word_list());
  EXPECT_TRUE(index.IsEmpty());
  EXPECT_TRUE(std::filesystem::is_empty(partials.path()));
}

TEST(ConsolidationBytesTest, OneParsePerFileGivesTheBytesOfTwentyEightPasses) {
  std::mt19937 random(28);
  const std::string first_bytes = "aAbBmqzZ09-_~!\x01 \x83\x88\xb1\xdf\xe0\xfe";
  std::vector<std::string> vocabulary;
  for (int i = 0; i < 600; ++i) {
    std::string word(1, first_bytes[random() % first_bytes.size()]);
    for (int n = static_cast<int>(random() % 5); n >= 0; --n) word += "abcXYZ\x83"[random() % 7];
    vocabulary.push_back(word);
  }
  std::vector<std::vector<Entry>> files(6);
  for (std::vector<Entry>& entries : files) {
    std::int32_t offset = 0;
    for (int i = 0; i < 900; ++i) {
      if (random() % 3 != 0) offset += 10;  // repeated offsets exercise the duplicate rule
      entries.push_back({vocabulary[random() % vocabulary.size()], offset, i,
                         static_cast<std::uint8_t>(random() % 5)});
    }
  }
  // All records in memory, every record through the spill files, and memory spilled now and
  // then, so that a bucket is read from its file and from memory.
  for (const std::size_t memory_limit : {kConsolidationMemory, std::size_t{0}, std::size_t{5000}}) {
    SCOPED_TRACE(memory_limit);
    ExpectTheBytesOfTwentyEightPasses(files, {"\x03 an older index format is skipped"},
                                      memory_limit);
  }
}

TEST(ConsolidationBytesTest, LongOccurrenceListsAndRepeatedOffsetsAcrossAndWithinRecords) {
  // 120,000 occurrences of one word in one file, 1.3 MB of records, more than a spill file is
  // read in at once; a second file that begins with the offset the first one ended with; and a
  // hand-made third whose record repeats offsets (which no tree writes, but a file may hold).
  std::vector<std::vector<Entry>> files(2);
  for (std::int32_t i = 0; i < 120'000; ++i) {
    files[0].push_back({i % 7 == 0 ? "Long" : "long", i % 1000 == 999 ? (i - 1) * 10 : i * 10, i});
  }
  const std::int32_t last = files[0].back().offset;
  files[1] = {{"LONG", last, 1}, {"long", last + 10, 2}, {"short", 5, 3}};
  const std::string repeats =
      "\x04" +
      test_support::RecordHeadBytes("long", {{last + 10, 1, 2, 0},
                                             {last + 10, 2, 2, 0},
                                             {last + 20, 3, 2, 0},
                                             {last + 10, 4, 2, 0},
                                             {last + 10, 5, 2, 0}}) +
      std::string(2, '\0');
  for (const std::size_t memory_limit : {kConsolidationMemory, std::size_t{0}}) {
    SCOPED_TRACE(memory_limit);
    ExpectTheBytesOfTwentyEightPasses(files, {repeats}, memory_limit);
  }
}

TEST_F(ConsolidationTest, AnEmptyBucketLeavesAnOldLetterFileAlone) {
  WritePartial(Partial(0), 0, {{"apple", 1}});
  WriteBytes(Out("$$TMP$$.Q"), "old");
  ASSERT_TRUE(ConsolidateIndexes(index_, {Partial(0)}, out_dir_, ""));
  EXPECT_EQ(ReadBytes(Out("$$TMP$$.Q")), "old");
  EXPECT_EQ(ReadRecords(Out("$$TMP$$.A")).size(), 1u);
}

TEST_F(ConsolidationTest, ATruncatedOldLetterFileEndsItAfterTheDeletionsWithoutAWordList) {
  WritePartial(Partial(0), 0, {{"apple", 1}});
  WriteBytes(Out("$$TMP$$.Q"), std::string("\x04\x02q", 3));  // ends inside its record
  EXPECT_THROW(ConsolidateIndexes(index_, {Partial(0)}, out_dir_, ""), platform::EndOfFileError);
  EXPECT_EQ(NamesIn(out_.path()), (std::vector<std::string>{"$$TMP$$.A", "$$TMP$$.Q"}));
  EXPECT_TRUE(std::filesystem::is_empty(partials_.path()));
}

TEST_F(ConsolidationTest, ABadPartialFileEndsItBeforeAnyLetterFileIsWritten) {
  WritePartial(Partial(0), 0, {{"apple", 1}, {"zoo", 2}});
  const std::string good = ReadBytes(Partial(0));
  struct Case {
    const char* name;
    std::string second_file;  // empty: the file does not exist
  };
  const Case cases[] = {{"missing", ""}, {"truncated", good.substr(0, good.size() - 3)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Partial(1));
    if (!c.second_file.empty()) WriteBytes(Partial(1), c.second_file);
    EXPECT_THROW(ConsolidateIndexes(index_, {Partial(0), Partial(1)}, out_dir_, ""),
                 platform::FileError);
    EXPECT_TRUE(std::filesystem::is_empty(out_.path()));  // no letter file, no spill file
    EXPECT_TRUE(std::filesystem::exists(Partial(0)));
    EXPECT_TRUE(index_.IsEmpty());
  }
}

TEST_F(ConsolidationTest, ALetterFileThatCannotBeWrittenKeepsEarlierOnesAndThePartialFiles) {
  WritePartial(Partial(0), 0, {{"apple", 1}, {"3d", 2}, {"bee", 3}, {"zoo", 4}});
  std::filesystem::create_directory(Out("$$TMP$$.B"));  // in the way of the letter file
  std::vector<bool> notices;
  EXPECT_THROW(ConsolidateIndexes(index_, {Partial(0)}, out_dir_, "",
                                  [&](bool writing) { notices.push_back(writing); }),
               platform::FileError);
  EXPECT_EQ(NamesIn(out_.path()),
            (std::vector<std::string>{"$$TMP$$.A", "$$TMP$$.B", "$$TMP$$._"}));
  EXPECT_TRUE(std::filesystem::exists(Partial(0)));
  EXPECT_EQ(notices, (std::vector<bool>{true, false, true, false, true, false}));
}

TEST_F(ConsolidationTest, AnEmptyIndexDirectoryWithAMergedNameWritesIntoTheCurrentDirectory) {
  WritePartial(Partial(0), 0, {{"apple", 1}});
  {
    testing_support::ScopedCurrentDirectory cwd(out_.path());
    ASSERT_TRUE(ConsolidateIndexes(index_, {Partial(0)}, "", "merged"));
  }
  EXPECT_EQ(NamesIn(out_.path()), (std::vector<std::string>{"$$TMP$$.A", "wordlist.qvx"}));
}

}  // namespace
}  // namespace store

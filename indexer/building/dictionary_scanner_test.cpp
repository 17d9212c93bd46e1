#include "building/dictionary_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/file_error.h"
#include "platform/host_path.h"
#include "platform/message_pump.h"
#include "store/index_tree.h"
#include "testing/command_fixture.h"
#include "testing/temp_directory.h"

namespace building {
namespace {

using testing_support::Sjis;
using testing_support::TempDirectory;

enum class Kind { kEnglishJapanese, kBilingual, kJapaneseEnglish, kGeneric };

// One word's occurrence as the scanner inserted it.
struct Found {
  std::string word;
  std::int32_t offset;
  std::int32_t line_number;
  int entry_type;
  friend bool operator==(const Found&, const Found&) = default;
  friend bool operator<(const Found& a, const Found& b) {
    return std::tie(a.offset, a.line_number, a.word) < std::tie(b.offset, b.line_number, b.word);
  }
};

void PrintTo(const Found& f, std::ostream* os) {
  *os << "{" << f.word << ", " << f.offset << ", " << f.line_number << ", " << f.entry_type
      << "}";
}

// Every occurrence in the index, ordered by offset, line number and word.
std::vector<Found> Occurrences(const store::CStringTreeIndex& index) {
  std::vector<Found> found;
  std::vector<const store::CINode*> stack;
  if (index.root() != nullptr) stack.push_back(index.root());
  while (!stack.empty()) {
    const store::CINode* node = stack.back();
    stack.pop_back();
    for (const store::Occurrence& o : node->occurrences()) {
      EXPECT_EQ(o.file_id, 7);
      found.push_back({std::string(node->word()), o.offset, o.line_number, o.entry_type});
    }
    if (node->lesser() != nullptr) stack.push_back(node->lesser());
    if (node->greater() != nullptr) stack.push_back(node->greater());
  }
  std::sort(found.begin(), found.end());
  return found;
}

class ScannerTest : public ::testing::Test {
 protected:
  // Scans `bytes` as a file of the given kind with file ID 7.
  std::vector<Found> Scan(Kind kind, const std::string& bytes) {
    const std::string host_path = dir_ / "SOURCE.TXT";
    testing_support::WriteBytes(host_path, bytes);
    const std::string path = platform::ProgramPathOfHost(host_path);
    switch (kind) {
      case Kind::kEnglishJapanese: scanner_.ScanEnglishJapaneseFile(path, 7); break;
      case Kind::kBilingual: scanner_.ScanBilingualFile(path, 7); break;
      case Kind::kJapaneseEnglish: scanner_.ScanJapaneseEnglishFile(path, 7); break;
      case Kind::kGeneric: scanner_.ScanGenericFile(path, 7); break;
    }
    return Occurrences(index_);
  }

  TempDirectory dir_;
  store::CStringTreeIndex index_;
  DictionaryScanner scanner_{index_};
};

struct ScanCase {
  const char* name;
  Kind kind;
  std::string input;  // UTF-8 text, or bytes, as Sjis converts them
  std::vector<Found> expected;
};

std::string Repeat(std::string_view text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

TEST_F(ScannerTest, EdgeCaseTable) {
  using enum Kind;
  const std::string long_word(255, 'x');
  const std::string longest_word(254, 'y');
  const std::vector<ScanCase> cases = {
      {"head before the separator", kEnglishJapanese, "■abandon : 捨てる◆note\r\n",
       {{"abandon", 0, 1, 0}}},
      {"a star line sets type 2 until a mark", kEnglishJapanese,
       "plain line\r\n* see also\r\ncontinued text\r\n■next\r\n",
       {{"line", 0, 1, 0}, {"plain", 0, 1, 0}, {"also", 12, 2, 2}, {"see", 12, 2, 2},
        {"continued", 24, 3, 2}, {"text", 24, 3, 2}, {"next", 40, 4, 0}}},
      {"a leading circle is passed over, a later one cuts", kEnglishJapanese,
       "* x\r\n●head word◆tail\r\n", {{"x", 0, 1, 2}, {"head", 5, 2, 0}, {"word", 5, 2, 0}}},
      {"a cut mark sets type 0", kEnglishJapanese, "* one\r\ntwo■three\r\n",
       {{"one", 0, 1, 2}, {"two", 7, 2, 0}}},
      {"cut marks are searched from the third byte", kEnglishJapanese, "a◆b\r\n",
       {{"a◆b", 0, 1, 0}}},
      {"the first cut mark cuts, whichever it is", kEnglishJapanese,
       "■one two●three◆four■five\r\n", {{"one", 0, 1, 0}, {"two", 0, 1, 0}}},
      {"a cut mark is found byte by byte, even after another 0x81", kEnglishJapanese,
       "ab ＝◆cd\r\n", {{"ab", 0, 1, 0}, {"＝", 0, 1, 0}}},
      {"bilingual: before the first separator line type 0", kBilingual,
       "first line\r\nThis is a pen. : これはペンです。\r\nnext\r\n",
       {{"first", 0, 1, 0}, {"line", 0, 1, 0}, {"これはペンです。", 12, 2, 3},
        {"next", 47, 3, 3}}},
      {"japanese-english fields", kJapaneseEnglish, "あい : love●affection\r\n",
       {{"affection", 0, 1, 4}, {"love", 0, 1, 4}}},
      {"the last field without a line feed", kJapaneseEnglish, "x\r\nあい : love●affection",
       {{"x", 0, 1, 0}, {"affection", 3, 1, 4}, {"love", 3, 1, 4}}},
      {"runs of circles make no empty field", kJapaneseEnglish, "k : ●●a●●b●\r\n",
       {{"a", 0, 1, 4}, {"b", 0, 1, 4}}},
      {"folding", kGeneric, "Apple\r\n", {{"apple", 0, 1, 0}}},
      {"two lines", kGeneric, "a b\r\nc\r\n", {{"a", 0, 1, 0}, {"b", 0, 1, 0}, {"c", 5, 2, 0}}},
      {"a bare line feed counts two bytes", kGeneric, "a\nb\n", {{"a", 0, 1, 0}, {"b", 3, 2, 0}}},
      {"a long line is read in pieces", kGeneric, Repeat("a ", 5000) + "\r\nb\r\n",
       // the first piece hands its trailing space back: 7,997 bytes
       {{"a", 0, 0, 0}, {"a", 7997, 1, 0}, {"b", 10002, 2, 0}}},
      {"0x1A after a line end ends the file", kGeneric, "a\r\n\x1A" "b\r\n", {{"a", 0, 1, 0}}},
      {"0x1A inside a line ends the piece", kGeneric, "ab\x1A" "cd\r\n",
       {{"ab", 0, 0, 0}, {"cd", 2, 1, 0}}},
      {"an empty file", kGeneric, "", {}},
      {"an over-long word is dropped, the rest kept", kGeneric,
       long_word + " keep " + longest_word + "\r\n", {{"keep", 0, 1, 0}, {longest_word, 0, 1, 0}}},
      {"a NUL hides the rest of its piece but counts", kGeneric,
       std::string("ab\0cd ef\r\nzz\r\n", 14), {{"ab", 0, 1, 0}, {"zz", 10, 2, 0}}},
      {"a full buffer of blanks is kept whole", kGeneric, std::string(8000, ' ') + "word\r\n",
       {{"word", 7998, 1, 0}}},
      {"a last line keeps its trailing blanks", kGeneric, "a\r\nb c  ",
       {{"a", 0, 1, 0}, {"b", 3, 1, 0}, {"c", 3, 1, 0}}},
      {"entry types start at 0 in every file", kBilingual, "plain\r\n", {{"plain", 0, 1, 0}}},
  };
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Found> expected = c.expected;
    for (Found& f : expected) f.word = Sjis(f.word);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Scan(c.kind, Sjis(c.input)), expected);
  }
}

TEST_F(ScannerTest, EveryByteIsCountedOnce) {
  // The offset after the scan is the size of the file less its carriage returns before line
  // feeds (each line end counts two), whatever the last piece ends with.
  for (const std::string& input : {std::string("a b  "), std::string("word\r\n \t "),
                                   Repeat("ab ", 3000), std::string(9000, ' ')}) {
    Scan(Kind::kGeneric, input);
    EXPECT_EQ(scanner_.offset(), static_cast<std::int32_t>(input.size()));
  }
}

TEST_F(ScannerTest, ThePumpStepsOncePerPieceWithWordsAndPerField) {
  struct Counter : platform::MessagePump {
    void Step() override { ++steps; }
    int steps = 0;
  } counter;
  platform::ScopedMessagePump pump(&counter);
  // Two fields and two inserts.
  Scan(Kind::kJapaneseEnglish, Sjis("あい : love●affection\r\n"));
  EXPECT_EQ(counter.steps, 4);
  // Two pieces with words and three inserts (the index emptied first: Reset steps too).
  index_.Reset();
  counter.steps = 0;
  Scan(Kind::kGeneric, "a b\r\nc\r\n");
  EXPECT_EQ(counter.steps, 5);
}

TEST_F(ScannerTest, AFileThatCannotBeOpenedLeavesTheIndexAlone) {
  index_.Insert("kept", 0, 0, 1, 0);
  scanner_.ScanGenericFile(platform::ProgramPathOfHost(dir_ / "MISSING.TXT"), 1);
  std::filesystem::create_directory(dir_.path() / "DIR.TXT");
  scanner_.ScanGenericFile(platform::ProgramPathOfHost(dir_ / "DIR.TXT"), 1);
  ASSERT_EQ(index_.size(), 1u);
  EXPECT_EQ(index_.root()->word(), "kept");

  // An empty file resets it.
  Scan(Kind::kGeneric, "");
  EXPECT_TRUE(index_.IsEmpty());
}

TEST_F(ScannerTest, BadInputNeverHangsOrCrashes) {
  std::string every_byte;
  for (int i = 0; i < 256; ++i) every_byte += static_cast<char>(i);
  const std::vector<std::string> inputs = {
      Repeat(every_byte, 50),                       // binary, 0x1A and NULs included
      Repeat("abc ", 25000),                        // 100,000 bytes without a line feed
      "word\x81\r\nnext\x9F",                       // lone lead bytes at a line end and file end
      Repeat("\r", 100) + "\x1A" + Repeat("\r\n", 5),
      Repeat(" ", 7997) + "\x1A" + Repeat(" ", 7998) + "\x1A" + "end",
  };
  for (Kind kind : {Kind::kEnglishJapanese, Kind::kBilingual, Kind::kJapaneseEnglish,
                    Kind::kGeneric}) {
    for (const std::string& input : inputs) {
      for (const Found& found : Scan(kind, input)) {
        EXPECT_FALSE(found.word.empty());
        EXPECT_LE(found.word.size(), 254u);
        EXPECT_GE(found.offset, 0);
      }
    }
  }
  // The lone lead bytes still leave the words before them indexed.
  std::vector<Found> found = Scan(Kind::kGeneric, "one two\x81\r\n");
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0].word, "one");
}

TEST_F(ScannerTest, AFileBeyondThe32BitOffsetsIsAnErrorNotWrongOffsets) {
  // A sparse file: a line of NUL bytes (no words) that ends 2 GiB into the file, then a line
  // whose offset would not fit.
  const std::string host_path = dir_ / "HUGE.TXT";
  {
    std::ofstream out(host_path, std::ios::binary);
    out.seekp((std::streamoff{1} << 31) - 2);
    out << "\r\nword\r\n";
  }
  EXPECT_THROW(scanner_.ScanGenericFile(platform::ProgramPathOfHost(host_path), 7),
               platform::FileError);
  EXPECT_TRUE(index_.IsEmpty());
}

}  // namespace
}  // namespace building

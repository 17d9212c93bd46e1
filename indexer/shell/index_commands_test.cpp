// End-to-end tests of the merge, word-list and dump commands.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_error.h"
#include "platform/shift_jis.h"
#include "shell/dump_command.h"
#include "shell/merge_command.h"
#include "shell/word_list_command.h"
#include "store/index_file_writer.h"
#include "store/letter_bucket.h"
#include "testing/command_fixture.h"

namespace shell {
namespace {

using testing_support::CommandFixture;
using testing_support::Sjis;

class IndexCommandsTest : public ::testing::Test {
 protected:
  IndexCommandsTest() : idx(fixture.Folder("idx")) {
    fixture.app().WriteString("FENGDIC", "IndexDir", idx);
    fixture.app().WriteString("Current", "IndexDir", idx);
  }

  void WritePartial(const std::string& directory, const std::string& name, const char* word,
                    int file_id) {
    store::CStringTreeIndex index;
    index.Insert(word, 0, 10 * file_id, 1, static_cast<std::int16_t>(file_id));
    store::WriteIndexFile(index, directory + name);
  }

  CommandFixture fixture;
  std::string idx;
};

TEST_F(IndexCommandsTest, MergeTwice) {
  WritePartial(idx, "IDX_TEST.000", "apple", 0);
  WritePartial(idx, "idx_test.001", "banana", 1);
  WritePartial(idx, "IDX_TEST.002", "avocado", 2);

  EXPECT_TRUE(RunMergeCommand(fixture.context));
  EXPECT_EQ(fixture.ui.events(), (std::vector<std::string>{"beep", Sjis("message: マージ完了!!")}));
  for (const char* partial : {"idx/IDX_TEST.000", "idx/idx_test.001", "idx/IDX_TEST.002"}) {
    EXPECT_FALSE(fixture.Exists(partial));
  }
  EXPECT_TRUE(fixture.Exists("idx/$$TMP$$.A"));
  EXPECT_TRUE(fixture.Exists("idx/$$TMP$$.B"));
  EXPECT_TRUE(fixture.Exists("idx/wordlist.qvx"));

  EXPECT_FALSE(RunMergeCommand(fixture.context));
  EXPECT_EQ(fixture.ui.messages().back().text, Sjis("マージに失敗しました(;_;)"));
  EXPECT_EQ(fixture.ui.beeps(), 2);
  EXPECT_EQ(fixture.context.busy(), 0);
}

TEST_F(IndexCommandsTest, MergeReadsTheEnglishJapaneseDirectoryAndWritesTheCurrentOne) {
  const std::string current = fixture.Folder("current");
  fixture.app().WriteString("Current", "IndexDir", current);
  WritePartial(idx, "IDX_TEST.000", "apple", 0);
  RunMergeCommand(fixture.context);
  EXPECT_EQ(fixture.ui.messages().back().text, Sjis("マージ完了!!"));
  EXPECT_FALSE(fixture.Exists("idx/IDX_TEST.000"));
  EXPECT_FALSE(fixture.Exists("idx/$$TMP$$.A"));
  EXPECT_TRUE(fixture.Exists("current/$$TMP$$.A"));
  EXPECT_TRUE(fixture.Exists("current/wordlist.qvx"));
}

TEST_F(IndexCommandsTest, MergeFailures) {
  // Both directory values empty: consolidation does nothing.
  WritePartial(idx, "IDX_TEST.000", "apple", 0);
  fixture.app().WriteString("Current", "IndexDir", "");
  RunMergeCommand(fixture.context);
  EXPECT_EQ(fixture.ui.messages().back().text, Sjis("マージに失敗しました(;_;)"));
  EXPECT_TRUE(fixture.Exists("idx/IDX_TEST.000"));

  // The listing cannot be made.
  fixture.context.SetFileLister([](std::string_view) { return std::nullopt; });
  RunMergeCommand(fixture.context);
  EXPECT_EQ(fixture.ui.messages().back().text, Sjis("失敗しました(/_;)"));
  fixture.context.SetFileLister(ListMatchingFiles);

  // A partial file that ends inside a record: a file error, no completion message, and the
  // partial files stay for another try.
  fixture.app().WriteString("Current", "IndexDir", idx);
  fixture.WriteFile("idx/IDX_TEST.001", std::string("\x04\x06" "apple\0\x01", 9));
  const std::size_t messages = fixture.ui.messages().size();
  EXPECT_THROW(RunMergeCommand(fixture.context), platform::FileError);
  EXPECT_EQ(fixture.ui.messages().size(), messages);
  EXPECT_EQ(fixture.context.busy(), 0);
  EXPECT_EQ(fixture.document.busy(), 0);
  EXPECT_TRUE(fixture.Exists("idx/IDX_TEST.000"));
}

TEST_F(IndexCommandsTest, WordListCommand) {
  WritePartial(idx, "IDX_TEST.000", "apple", 0);
  WritePartial(idx, "IDX_TEST.001", "3d", 1);
  RunMergeCommand(fixture.context);
  std::filesystem::remove(fixture.temp.path() / "idx/wordlist.qvx");

  EXPECT_TRUE(RunWordListCommand(fixture.context));
  EXPECT_EQ(fixture.ui.messages().back().text, Sjis("終了しました"));
  EXPECT_EQ(fixture.ReadFile("idx/wordlist.qvx"), std::string("\x02\x00\x02" "3d\x05" "apple", 11));

  // A word list that cannot be written is not reported to the user, only to the caller.
  fixture.app().WriteString("Current", "IndexDir", idx + "MISSING\\");
  EXPECT_FALSE(RunWordListCommand(fixture.context));
  EXPECT_EQ(fixture.ui.messages().back().text, Sjis("終了しました"));
}

TEST_F(IndexCommandsTest, DumpOfABuiltIndex) {
  testing_support::ScopedCurrentDirectory cwd(fixture.temp.path());
  const std::string dic = fixture.Folder("dic");
  fixture.WriteFile("dic/FENG5A.TXT", Sjis("■apple : a\r\n■Ant : b\r\n"));
  fixture.WriteFile("dic/FENG5B.TXT", Sjis("■zzz : x\r\n■apple : c\r\n"));
  fixture.BuildGeneralFiles(dic, idx, "FENG5*.*");

  RunDumpCommand(fixture.context);
  const std::string a = platform::UpperCased(dic) + "FENG5A.TXT";
  const std::string b = platform::UpperCased(dic) + "FENG5B.TXT";
  const std::string rule = "==========================\r\n";
  EXPECT_EQ(fixture.ReadFile("idx/DUMP.A"),
            rule + "Word : apple\r\n[[ " + a + " ]]\r\n1 \r\n[[ " + b + " ]]\r\n2 \r\n" +  //
                rule + "Word : ant\r\n[[ " + a + " ]]\r\n2 \r\n");
  EXPECT_EQ(fixture.ReadFile("idx/DUMP.Z"), rule + "Word : zzz\r\n[[ " + b + " ]]\r\n1 \r\n");
  // Buckets without a letter index file get an empty dump, and the dump goes on past them.
  for (int bucket = 0; bucket < store::kLetterBucketCount; ++bucket) {
    const std::string name = std::string("idx/DUMP.") + store::LetterBucketCharacter(bucket);
    ASSERT_TRUE(fixture.Exists(name)) << name;
    const char c = store::LetterBucketCharacter(bucket);
    if (c != 'A' && c != 'Z') {
      EXPECT_EQ(fixture.ReadFile(name), "") << name;
    }
  }
  EXPECT_EQ(fixture.context.busy(), 0);
  // The command made the index directory current.
  EXPECT_EQ(std::filesystem::current_path(), fixture.temp.path() / "idx");
}

TEST_F(IndexCommandsTest, DumpOfARelativeIndexDirectoryReadsItsLetterFiles) {
  testing_support::ScopedCurrentDirectory cwd(fixture.temp.path());
  WritePartial(idx, "$$TMP$$.A", "apple", 0);
  fixture.app().WriteString("FENGDIC", "IndexDir", "idx\\");
  RunDumpCommand(fixture.context);
  EXPECT_EQ(std::filesystem::current_path(), fixture.temp.path() / "idx");
  EXPECT_NE(fixture.ReadFile("idx/DUMP.A").find("Word : apple"), std::string::npos);
  EXPECT_FALSE(fixture.Exists("idx/idx"));
}

TEST_F(IndexCommandsTest, DumpErrorsEndTheCommandWithTheFlagCleared) {
  testing_support::ScopedCurrentDirectory cwd(fixture.temp.path());
  fixture.WriteFile("idx/$$TMP$$.B", std::string("\x04\x02" "b", 3));  // truncated
  EXPECT_THROW(RunDumpCommand(fixture.context), platform::FileError);
  EXPECT_EQ(fixture.context.busy(), 0);
  EXPECT_TRUE(fixture.Exists("idx/DUMP.A"));  // the buckets before it are done
}

}  // namespace
}  // namespace shell

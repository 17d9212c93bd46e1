// End-to-end tests of the test search over an index built from fixture dictionaries.

#include "query/test_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_error.h"
#include "platform/shift_jis.h"
#include "testing/command_fixture.h"

namespace query {
namespace {

using testing_support::CommandFixture;
using testing_support::Sjis;

class TestSearchTest : public ::testing::Test {
 protected:
  TestSearchTest() : dic(fixture.Folder("dic")), idx(fixture.Folder("idx")) {
    fixture.WriteFile("dic/FENG5A.TXT",
                      Sjis("■apple : りんご\r\n■banana : バナナ\r\n* see apple\r\n"));
    fixture.WriteFile("dic/FENG5B.TXT",
                      Sjis("■apple pie : パイ\r\n■key " + std::string(9000, 'y') + "\r\n"));
    fixture.BuildGeneralFiles(dic, idx, "FENG5*.*");
    source_a = platform::UpperCased(dic) + "FENG5A.TXT";
    source_b = platform::UpperCased(dic) + "FENG5B.TXT";
  }

  std::vector<std::string> Lines() {
    return {fixture.document.lines().begin(), fixture.document.lines().end()};
  }

  // The events of the search alone.
  std::vector<std::string> Search(std::string_view keyword) {
    const std::size_t before = fixture.ui.events().size();
    RunTestSearch(fixture.context, keyword);
    return {fixture.ui.events().begin() + static_cast<long>(before), fixture.ui.events().end()};
  }

  CommandFixture fixture;
  std::string dic;
  std::string idx;
  std::string source_a;
  std::string source_b;
};

TEST_F(TestSearchTest, PlainFormListsTheSourceLinesInIndexOrder) {
  EXPECT_EQ(Search("Apple"), std::vector<std::string>{"beep"});
  EXPECT_EQ(Lines(), (std::vector<std::string>{Sjis("■apple : りんご\n"), "* see apple\n",
                                              Sjis("■apple pie : パイ\n")}));
  EXPECT_EQ(fixture.document.tag_form(), 0);
  EXPECT_EQ(fixture.document.lines().GetLongestLength(),
            static_cast<int>(Sjis("■apple pie : パイ\n").size()));
  EXPECT_EQ(fixture.context.busy(), 0);
  EXPECT_TRUE(fixture.document.CanClose());

  // File Save writes each line without its line feed, then CR LF.
  const std::string saved = fixture.temp / "saved.txt";
  fixture.document.SaveText(saved);
  EXPECT_EQ(testing_support::ReadBytes(saved),
            Sjis("■apple : りんご\r\n* see apple\r\n■apple pie : パイ\r\n"));
}

TEST_F(TestSearchTest, TagFormPutsThePathAndLineNumberFirst) {
  fixture.app().WriteInt("Option", "TagForm", 1);
  Search("apple");
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         source_a + "(      1)" + Sjis("■apple : りんご\n"),
                         source_a + "(      3)* see apple\n",
                         source_b + "(      1)" + Sjis("■apple pie : パイ\n")}));
  EXPECT_EQ(fixture.document.tag_form(), 1);
}

TEST_F(TestSearchTest, ALongSourceLineIsListedWithItsFirst7998Bytes) {
  Search("key");
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].size(), 7998u);
  EXPECT_EQ(Lines()[0].substr(0, 6), Sjis("■key "));
}

TEST_F(TestSearchTest, AFileIdWithoutPathEndsTheListing) {
  fixture.app().WriteString("FileID", "1", "");
  Search("apple");
  EXPECT_EQ(Lines(), (std::vector<std::string>{Sjis("■apple : りんご\n"), "* see apple\n"}));

  // A source file that is gone does the same.
  fixture.app().WriteString("FileID", "0", source_a + ".GONE");
  Search("apple");
  EXPECT_TRUE(Lines().empty());
}

TEST_F(TestSearchTest, MissesAndMissingFilesLeaveAnEmptyTextAndABeep) {
  Search("apple");
  EXPECT_EQ(Search("apples"), std::vector<std::string>{"beep"});
  EXPECT_TRUE(Lines().empty());
  // No "$$TMP$$.Z": empty buckets have no letter index file.
  EXPECT_FALSE(fixture.Exists("idx/$$TMP$$.Z"));
  EXPECT_EQ(Search("zebra"), std::vector<std::string>{"beep"});
  EXPECT_TRUE(Lines().empty());
  // No index word is longer than 254 bytes.
  EXPECT_EQ(Search(std::string(1000, 'a')), std::vector<std::string>{"beep"});
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(fixture.context.busy(), 0);
  EXPECT_EQ(fixture.document.busy(), 0);
}

TEST_F(TestSearchTest, AKeywordBeginningWithALeadByteIsNotSearched) {
  Search("apple");
  EXPECT_TRUE(Search(Sjis("りんご")).empty());
  EXPECT_EQ(Lines().size(), 3u);  // the previous result stays
}

TEST_F(TestSearchTest, AnIndexOfAnotherVersionShowsTheUnsupportedFormatMessage) {
  fixture.WriteFile("idx/$$TMP$$.A", std::string("\x03\x02" "a", 3));
  EXPECT_EQ(Search("apple"),
            (std::vector<std::string>{
                Sjis("warning: このプログラムが対応していないインデックス形式です。"
                     "申し訳ありませんがもう一度インデックスファイルを作り直してくださいm(__)m"),
                "beep"}));
  EXPECT_TRUE(Lines().empty());
}

TEST_F(TestSearchTest, ATruncatedIndexEndsTheCommandWithAFileError) {
  const std::string bytes = fixture.ReadFile("idx/$$TMP$$.A");
  fixture.WriteFile("idx/$$TMP$$.A", bytes.substr(0, bytes.size() / 2));
  EXPECT_THROW(RunTestSearch(fixture.context, "apple"), platform::FileError);
  EXPECT_EQ(fixture.context.busy(), 0);
  EXPECT_EQ(fixture.document.busy(), 0);
}

TEST(TestSearchIndexPathTest, TheKeywordsBucketChoosesTheFile) {
  EXPECT_EQ(TestSearchIndexPath("C:\\IDX\\", "Apple"), "C:\\IDX\\$$TMP$$.A");
  EXPECT_EQ(TestSearchIndexPath("C:\\IDX\\", "3d"), "C:\\IDX\\$$TMP$$._");
  EXPECT_EQ(TestSearchIndexPath("C:\\IDX\\", "-ing"), "C:\\IDX\\$$TMP$$._");
  EXPECT_EQ(TestSearchIndexPath("", Sjis("ｱ")), "$$TMP$$.#");
  EXPECT_EQ(TestSearchIndexPath("C:\\IDX\\", Sjis("ア")), "");
}

}  // namespace
}  // namespace query

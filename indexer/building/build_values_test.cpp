#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "building/feng_dic_values.h"
#include "building/jap_eng_values.h"
#include "platform/current_directory.h"
#include "testing/command_fixture.h"

namespace building {
namespace {

using testing_support::CommandFixture;
using testing_support::Sjis;

TEST(FengDicValuesTest, AFirstRunShowsTheDefaults) {
  CommandFixture fixture;
  testing_support::ScopedCurrentDirectory cwd(fixture.temp.path());
  const FengDicValues values = FengDicValues::Load(fixture.app());
  const std::string current = platform::CurrentDirectory() + "\\";
  EXPECT_EQ(values.m_fileNames, "FENG5*.*");
  EXPECT_EQ(values.m_directory, current);
  EXPECT_EQ(values.m_indexDir, current);
  for (const std::string* other :
       {&values.m_tech, &values.m_proper, &values.m_ryaku, &values.m_hoi, &values.m_biling}) {
    EXPECT_EQ(*other, "");
  }
  // Read in the order of the dialog's opening.
  EXPECT_EQ(fixture.profiles.calls(),
            (std::vector<std::string>{
                "app GetString [FENGDIC] FileNames", "app GetString [FENGDIC] Hoi",
                "app GetString [FENGDIC] Proper", "app GetString [FENGDIC] Tech",
                "app GetString [FENGDIC] Ryaku", "app GetString [FENGDIC] Biling",
                "app GetString [FENGDIC] Directory", "app GetString [FENGDIC] IndexDir"}));
}

TEST(FengDicValuesTest, SavesInOrderAndReadsBack) {
  CommandFixture fixture;
  FengDicValues values;
  values.m_directory = "C:\\DIC\\";
  values.m_fileNames = "FENG5A.TXT";
  values.m_indexDir = "C:\\IDX\\";
  values.m_hoi = "HOI.TXT";
  values.m_biling = "";
  values.m_proper = "P.TXT";
  values.m_ryaku = "R.TXT";
  values.m_tech = "T.TXT";
  values.Save(fixture.app());
  EXPECT_EQ(fixture.profiles.writes(),
            (std::vector<std::string>{
                "app WriteString [FENGDIC] FileNames=FENG5A.TXT",
                "app WriteString [FENGDIC] Hoi=HOI.TXT", "app WriteString [FENGDIC] Tech=T.TXT",
                "app WriteString [FENGDIC] Proper=P.TXT", "app WriteString [FENGDIC] Ryaku=R.TXT",
                "app WriteString [FENGDIC] Biling=",
                "app WriteString [FENGDIC] Directory=C:\\DIC\\",
                "app WriteString [FENGDIC] IndexDir=C:\\IDX\\",
                "app WriteString [Current] IndexDir=C:\\IDX\\"}));

  const FengDicValues read = FengDicValues::Load(fixture.app());
  EXPECT_EQ(read.m_fileNames, "FENG5A.TXT");
  EXPECT_EQ(read.m_tech, "T.TXT");
  EXPECT_EQ(read.m_biling, "");
  EXPECT_EQ(read.m_indexDir, "C:\\IDX\\");
}

TEST(JapEngValuesTest, ValidationGivesTheFirstMissingValue) {
  JapEngValues values;
  EXPECT_EQ(values.ValidationMessage(), Sjis("ファイル名がありません"));
  values.m_fileName = "*.TXT";
  EXPECT_EQ(values.ValidationMessage(), Sjis("ﾃﾞｨﾚｸﾄﾘ名がありません"));
  values.m_dirName = "C:\\DIC\\";
  EXPECT_EQ(values.ValidationMessage(), Sjis("ｲﾝﾃﾞｯｸｽﾃﾞｨﾚｸﾄﾘがありません"));
  values.m_indexDir = "IDX";  // no trailing backslash: only emptiness is checked
  EXPECT_EQ(values.ValidationMessage(), std::nullopt);
}

TEST(JapEngValuesTest, EachModeKeepsItsOwnValuesAndBothSetTheCurrentIndexDirectory) {
  CommandFixture fixture;
  JapEngValues first = JapEngValues::Load(fixture.app(), 0);
  EXPECT_EQ(first.m_section, "Japanese-English");
  EXPECT_EQ(first.m_fileName, "");
  EXPECT_EQ(first.m_dirName, "");
  EXPECT_EQ(first.m_indexDir, "");
  EXPECT_EQ(JapEngValues::ModeLabel(0), Sjis("和英モードです"));
  EXPECT_EQ(JapEngValues::ModeLabel(1), Sjis("汎用モードです"));

  first.m_fileName = "WAEI.TXT";
  first.m_dirName = "C:\\WAEI\\";
  first.m_indexDir = "C:\\IDX1\\";
  fixture.profiles.Clear();
  first.Save(fixture.app());
  EXPECT_EQ(fixture.profiles.writes(),
            (std::vector<std::string>{"app WriteString [Japanese-English] FileName=WAEI.TXT",
                                      "app WriteString [Japanese-English] DirName=C:\\WAEI\\",
                                      "app WriteString [Japanese-English] IndexDir=C:\\IDX1\\",
                                      "app WriteString [Current] IndexDir=C:\\IDX1\\"}));

  JapEngValues generic = JapEngValues::Load(fixture.app(), 1);
  EXPECT_EQ(generic.m_section, "Generic");
  EXPECT_EQ(generic.m_fileName, "");
  generic.m_fileName = "*.*";
  generic.m_dirName = "C:\\TEXT\\";
  generic.m_indexDir = "C:\\IDX2\\";
  generic.Save(fixture.app());

  EXPECT_EQ(JapEngValues::Load(fixture.app(), 0).m_fileName, "WAEI.TXT");
  EXPECT_EQ(JapEngValues::Load(fixture.app(), 1).m_dirName, "C:\\TEXT\\");
  EXPECT_EQ(fixture.app().GetString("Current", "IndexDir", ""), "C:\\IDX2\\");
}

}  // namespace
}  // namespace building

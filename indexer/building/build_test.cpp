// End-to-end tests of the builds: fixture dictionaries in code page 932 with CR LF, a temporary
// profile, the recording user interface, and the finished index read back.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "building/english_japanese_build.h"
#include "building/feng_dic_values.h"
#include "building/jap_eng_values.h"
#include "building/single_phase_build.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "platform/message_pump.h"
#include "platform/shift_jis.h"
#include "shell/merge_command.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/letter_bucket.h"
#include "testing/command_fixture.h"

namespace building {
namespace {

using testing_support::CommandFixture;
using testing_support::Sjis;

struct Occ {
  int file_id;
  int offset;
  int line_number;
  int entry_type;
  friend bool operator==(const Occ&, const Occ&) = default;
};

void PrintTo(const Occ& o, std::ostream* os) {
  *os << "{file " << o.file_id << ", " << o.offset << ", line " << o.line_number << ", type "
      << o.entry_type << "}";
}

class BuildTest : public ::testing::Test {
 protected:
  BuildTest() : dic(fixture.Folder("dic")), idx(fixture.Folder("idx")) {}

  // The English-Japanese dialog's values for the fixture's folders, saved as its OK does.
  FengDicValues FengValues(std::string general, std::string tech = "",
                           std::string biling = "") {
    FengDicValues values;
    values.m_directory = dic;
    values.m_indexDir = idx;
    values.m_fileNames = std::move(general);
    values.m_tech = std::move(tech);
    values.m_biling = std::move(biling);
    values.Save(fixture.app());
    fixture.profiles.Clear();
    return values;
  }

  JapEngValues JapEngValuesFor(int mode, std::string file_name) {
    JapEngValues values = JapEngValues::Load(fixture.app(), mode);
    values.m_dirName = dic;
    values.m_fileName = std::move(file_name);
    values.m_indexDir = idx;
    values.Save(fixture.app());
    fixture.profiles.Clear();
    return values;
  }

  void WriteSource(const std::string& name, std::string_view utf8) {
    fixture.WriteFile("dic/" + name, Sjis(utf8));
  }

  // Every word of the finished index in idx/, with its occurrences.
  std::map<std::string, std::vector<Occ>> FinishedIndex() {
    std::map<std::string, std::vector<Occ>> words;
    for (int bucket = 0; bucket < store::kLetterBucketCount; ++bucket) {
      const std::string path = idx + store::LetterIndexFileName(bucket);
      if (!platform::FileExists(path)) continue;
      platform::File file = platform::File::OpenForReading(path);
      store::IndexFileReader reader(file);
      EXPECT_TRUE(reader.ReadVersion());
      while (reader.NextRecord()) {
        std::vector<Occ>& occurrences = words[std::string(reader.word())];
        store::Occurrence o;
        while (reader.NextOccurrence(o)) {
          occurrences.push_back({o.file_id, o.offset, o.line_number, o.entry_type});
        }
      }
    }
    return words;
  }

  std::string Registered(int file_id) {
    return fixture.app().GetString("FileID", std::to_string(file_id), "");
  }

  // The progress texts shown for the source files, in order.
  std::vector<std::string> ScannedPaths() {
    std::vector<std::string> paths;
    const std::string prefix = "progress 107: ";
    for (const std::string& event : fixture.ui.events()) {
      if (event.starts_with(prefix) && event != prefix + Sjis("作業終了")) {
        paths.push_back(event.substr(prefix.size()));
      }
    }
    return paths;
  }

  // Records the names the build's listing of partial index files finds.
  void RecordPartialFileListing() {
    fixture.context.SetFileLister([this](std::string_view pattern) {
      auto names = shell::ListMatchingFiles(pattern);
      if (pattern.ends_with("IDX_TEST.*")) listed_partial_files = *names;
      return names;
    });
  }

  CommandFixture fixture;
  std::string dic;
  std::string idx;
  std::vector<std::string> listed_partial_files;
};

TEST_F(BuildTest, EnglishJapaneseBuildFromDialogValuesToFinishedIndex) {
  WriteSource("FENG5A.TXT", "■apple : りんご\r\n");
  WriteSource("feng5b.txt", "■banana : バナナ◆note\r\n* see apple\r\n");
  WriteSource("FENTEC.TXT", "■compiler : コンパイラ\r\n");
  WriteSource("BILING.TXT", "Dogs and cats. : 犬 cat\r\n");
  WriteSource("OTHER.TXT", "■other : ignored\r\n");
  const FengDicValues values = FengValues("FENG5*.*", "FENTEC*.*", "BILING.TXT");

  EXPECT_TRUE(BuildEnglishJapanese(fixture.context, values));

  const std::string upper_dic = platform::UpperCased(dic);
  const std::vector<std::string> sources = {upper_dic + "FENG5A.TXT", upper_dic + "FENG5B.TXT",
                                            upper_dic + "FENTEC.TXT", upper_dic + "BILING.TXT"};
  const std::string upper_idx = platform::UpperCased(idx);
  std::vector<std::string> expected_events = {"progress created"};
  for (int id = 0; id < 4; ++id) {
    char partial[32];
    std::snprintf(partial, sizeof partial, "IDX_TEST.%03d", id);
    expected_events.push_back("progress 107: " + sources[id]);
    expected_events.push_back("progress 108: " + upper_idx + partial);
  }
  for (const char* event :
       {"progress 107: 作業終了", "progress 108: 作業終了",
        "progress 123: 現在アルファベットごとにインデックスをまとめています(^_^;)まだまだかかります",
        "progress destroyed", "beep", "message: Finished!"}) {
    expected_events.push_back(Sjis(event));
  }
  EXPECT_EQ(fixture.ui.events(), expected_events);

  // Registration after every file, then the lengths.
  const std::string table = idx + "qvxindex.ini";
  std::vector<std::string> expected_writes;
  for (int id = 0; id < 4; ++id) {
    const std::string entry = "[FileID] " + std::to_string(id) + "=" + sources[id];
    expected_writes.push_back("app WriteString " + entry);
    expected_writes.push_back(table + " WriteString " + entry);
    expected_writes.push_back(table + " Flush");
  }
  const std::string longest = std::to_string(upper_dic.size() + 10);
  expected_writes.push_back("app WriteInt [Length] MaxFullPath=" + longest);
  expected_writes.push_back(table + " WriteString [Length] MaxFullPath=" + longest);
  expected_writes.push_back("app WriteString [Length] MaxFilename=10");
  expected_writes.push_back(table + " WriteString [Length] MaxFilename=10");
  expected_writes.push_back(table + " Flush");
  EXPECT_EQ(fixture.profiles.writes(), expected_writes);

  const std::map<std::string, std::vector<Occ>> expected_index = {
      {"apple", {{0, 0, 1, 0}, {1, 25, 2, 2}}},
      {"banana", {{1, 0, 1, 0}}},
      {"see", {{1, 25, 2, 2}}},
      {"compiler", {{2, 0, 1, 0}}},
      {Sjis("犬"), {{3, 0, 1, 3}}},
      {"cat", {{3, 0, 1, 3}}},
  };
  EXPECT_EQ(FinishedIndex(), expected_index);
  for (int id = 0; id < 4; ++id) {
    EXPECT_EQ(Registered(id), sources[id]);
    EXPECT_FALSE(fixture.Exists("idx/IDX_TEST.00" + std::to_string(id)));
  }
  EXPECT_FALSE(fixture.Exists("idx/$$TMP$$._"));  // empty buckets get no file
  EXPECT_TRUE(fixture.Exists("idx/wordlist.qvx"));
  EXPECT_EQ(fixture.context.busy(), 0);
  EXPECT_EQ(fixture.document.busy(), 0);
  EXPECT_TRUE(fixture.document.index().IsEmpty());
}

TEST_F(BuildTest, LengthsAreThoseOfTheLongestPathAndName) {
  testing_support::ScopedCurrentDirectory cwd(fixture.temp.path());
  fixture.WriteFile("AB/DIC/FENG5A.TXT", "apple\r\n");
  fixture.WriteFile("AB/DIC/FENTEC.TXT", "tech\r\n");
  dic = "AB\\DIC\\";  // relative: C:\DIC\FENG5A.TXT has the same lengths
  BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT", "FENTEC.TXT"));
  EXPECT_EQ(fixture.app().GetString("Length", "MaxFullPath", ""), "17");
  EXPECT_EQ(fixture.app().GetString("Length", "MaxFilename", ""), "10");
  EXPECT_EQ(Registered(0), "AB\\DIC\\FENG5A.TXT");
}

TEST_F(BuildTest, AnEmptyFileIsRegisteredWithoutPartialFileAndATwiceMatchedFileIsScannedTwice) {
  WriteSource("FENG5A.TXT", "■apple : りんご\r\n");
  WriteSource("FENG5B.TXT", "");
  std::filesystem::create_directories(fixture.temp.path() / "dic/FENG5C.TXT");  // not a file
  RecordPartialFileListing();
  BuildEnglishJapanese(fixture.context, FengValues("FENG5*.*", "FENG5A.TXT"));

  EXPECT_EQ(listed_partial_files, (std::vector<std::string>{"IDX_TEST.000", "IDX_TEST.002"}));
  EXPECT_EQ(Registered(1), platform::UpperCased(dic) + "FENG5B.TXT");
  EXPECT_EQ(Registered(2), platform::UpperCased(dic) + "FENG5A.TXT");
  EXPECT_EQ(ScannedPaths(), (std::vector<std::string>{platform::UpperCased(dic) + "FENG5A.TXT",
                                                      platform::UpperCased(dic) + "FENG5B.TXT",
                                                      platform::UpperCased(dic) + "FENG5A.TXT"}));
  // Consolidation drops the second file's occurrence: same offset as the last one kept.
  EXPECT_EQ(FinishedIndex()["apple"], (std::vector<Occ>{{0, 0, 1, 0}}));
  EXPECT_EQ(fixture.ui.messages().back().text, "Finished!");
}

TEST_F(BuildTest, AtMostTwoHundredFilesOverBothPhases) {
  for (int i = 0; i < 205; ++i) {
    char name[32];
    char text[32];
    std::snprintf(name, sizeof name, "FENG5%03d.TXT", i);
    std::snprintf(text, sizeof text, "w%d\r\n", i);
    WriteSource(name, text);
  }
  WriteSource("BILING.TXT", "x : bilingual\r\n");
  BuildEnglishJapanese(fixture.context, FengValues("FENG5*.*", "", "BILING.TXT"));

  const std::vector<std::string> scanned = ScannedPaths();
  ASSERT_EQ(scanned.size(), 200u);
  EXPECT_EQ(scanned.back(), platform::UpperCased(dic) + "FENG5199.TXT");
  EXPECT_EQ(Registered(199), platform::UpperCased(dic) + "FENG5199.TXT");
  EXPECT_EQ(Registered(200), "");
  const auto index = FinishedIndex();
  EXPECT_EQ(index.at("w199"), (std::vector<Occ>{{199, 0, 1, 0}}));
  EXPECT_EQ(index.count("w200"), 0u);
  EXPECT_EQ(index.count("bilingual"), 0u);
}

TEST_F(BuildTest, TheFirstBilingualFileAfter199GetsTheLastId) {
  for (int i = 0; i < 199; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "FENG5%03d.TXT", i);
    WriteSource(name, "w\r\n");
  }
  WriteSource("BILA.TXT", "x : first\r\n");
  WriteSource("BILB.TXT", "x : second\r\n");
  WriteSource("BILC.TXT", "x : third\r\n");
  BuildEnglishJapanese(fixture.context, FengValues("FENG5*.*", "", "BIL*.TXT"));

  EXPECT_EQ(ScannedPaths().size(), 200u);
  EXPECT_EQ(Registered(199), platform::UpperCased(dic) + "BILA.TXT");
  const auto index = FinishedIndex();
  EXPECT_EQ(index.at("first"), (std::vector<Occ>{{199, 0, 1, 3}}));
  EXPECT_EQ(index.count("second"), 0u);
  EXPECT_EQ(Registered(198), platform::UpperCased(dic) + "FENG5198.TXT");
}

TEST_F(BuildTest, APartialFileLeftByAnEarlierRunIsConsolidatedAndDeleted) {
  store::CStringTreeIndex stale;
  stale.Insert("stale", 0, 40, 3, 9);
  store::WriteIndexFile(stale, idx + "IDX_TEST.OLD");
  WriteSource("FENG5A.TXT", "■apple : りんご\r\n");
  BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT"));

  EXPECT_FALSE(fixture.Exists("idx/IDX_TEST.OLD"));
  const auto index = FinishedIndex();
  EXPECT_EQ(index.at("stale"), (std::vector<Occ>{{9, 40, 3, 0}}));
  EXPECT_EQ(index.at("apple"), (std::vector<Occ>{{0, 0, 1, 0}}));
}

TEST_F(BuildTest, AnEmptyIndexDirectoryKeepsThePartialFilesInTheCurrentDirectory) {
  std::filesystem::create_directories(fixture.temp.path() / "work");
  testing_support::ScopedCurrentDirectory cwd(fixture.temp.path() / "work");
  WriteSource("FENG5A.TXT", "apple\r\n");
  idx = "";
  BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT"));

  // Nothing names where the letter files would go, so consolidation does nothing.
  EXPECT_TRUE(fixture.Exists("work/IDX_TEST.000"));
  EXPECT_FALSE(fixture.Exists("work/$$TMP$$.A"));
  // The bare "qvxindex.ini" goes beside the application profile.
  EXPECT_NE(fixture.ReadFile("qvxindex.ini").find("0=" + platform::UpperCased(dic)),
            std::string::npos);
  EXPECT_EQ(fixture.ui.messages().back().text, "Finished!");
}

TEST_F(BuildTest, ABuildWithNoMatchingFileRecordsZeroLengths) {
  BuildEnglishJapanese(fixture.context, FengValues("NOTHING*.*"));
  EXPECT_EQ(fixture.app().GetString("Length", "MaxFullPath", ""), "0");
  EXPECT_EQ(fixture.app().GetString("Length", "MaxFilename", ""), "0");
  EXPECT_TRUE(ScannedPaths().empty());
  EXPECT_EQ(fixture.ui.messages().back().text, "Finished!");
  EXPECT_FALSE(fixture.ui.progress_window_exists());
}

TEST_F(BuildTest, JapaneseEnglishAndGenericBuildsUseTheirScanners) {
  WriteSource("WAEI.TXT", "あい : love●affection\r\nいぬ : dog\r\n");
  BuildJapaneseEnglish(fixture.context, JapEngValuesFor(0, "WAEI.TXT"));
  auto index = FinishedIndex();
  EXPECT_EQ(index.at("love"), (std::vector<Occ>{{0, 0, 1, 4}}));
  EXPECT_EQ(index.at("affection"), (std::vector<Occ>{{0, 0, 1, 4}}));
  EXPECT_EQ(index.at("dog"), (std::vector<Occ>{{0, 24, 2, 4}}));
  EXPECT_EQ(index.size(), 3u);

  // The generic build indexes every file of *.* alike, binary ones included, with type 0.
  std::filesystem::remove(fixture.temp.path() / "dic/WAEI.TXT");
  std::string archive = "PK\x03\x04 zip";
  archive += std::string("\0\xff\x1a", 3);
  fixture.WriteFile("dic/archive.zip", archive);
  WriteSource("build.log", "Error : disk full\r\n");
  BuildGeneric(fixture.context, JapEngValuesFor(1, "*.*"));
  index = FinishedIndex();
  EXPECT_EQ(index.at("error"), (std::vector<Occ>{{1, 0, 1, 0}}));
  EXPECT_EQ(index.at("zip"), (std::vector<Occ>{{0, 0, 0, 0}}));
  EXPECT_EQ(index.at("love"), (std::vector<Occ>{{0, 0, 1, 4}}));  // the earlier letter file
  EXPECT_EQ(Registered(0), platform::UpperCased(dic) + "ARCHIVE.ZIP");
}

TEST_F(BuildTest, WhileABuildRunsCommandsDoNothingAndTheDocumentCannotClose) {
  WriteSource("FENG5A.TXT", "apple\r\nbanana\r\n");
  struct Probe : platform::MessagePump {
    void Step() override {
      view_busy_seen |= context->busy() == 1;
      document_busy_seen |= !context->document().CanClose();
      shell::RunMergeCommand(*context);  // disabled while the build runs
    }
    shell::CommandContext* context;
    bool view_busy_seen = false;
    bool document_busy_seen = false;
  } probe;
  probe.context = &fixture.context;
  platform::ScopedMessagePump pump(&probe);
  BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT"));

  EXPECT_TRUE(probe.view_busy_seen);
  EXPECT_TRUE(probe.document_busy_seen);
  EXPECT_EQ(fixture.ui.messages().size(), 1u);  // "Finished!" only: no merge ran
  EXPECT_TRUE(fixture.document.CanClose());
}

TEST_F(BuildTest, AMissingIndexDirectoryEndsTheBuildWithAFileError) {
  WriteSource("FENG5A.TXT", "apple\r\n");
  idx = dic + "MISSING\\";
  EXPECT_THROW(BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT")),
               platform::FileError);
  EXPECT_EQ(fixture.ui.events().back(), "progress destroyed");
  EXPECT_TRUE(fixture.ui.messages().empty());  // nothing reported as done
  EXPECT_EQ(fixture.context.busy(), 0);
  EXPECT_EQ(fixture.document.busy(), 0);
  EXPECT_TRUE(fixture.document.index().IsEmpty());

  // The next command runs.
  idx = fixture.Folder("idx");
  BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT"));
  EXPECT_EQ(fixture.ui.messages().back().text, "Finished!");
}

TEST_F(BuildTest, AListingThatCannotBeMadeEndsTheBuildWithTheFailureMessage) {
  WriteSource("FENG5A.TXT", "apple\r\n");
  fixture.context.SetFileLister([](std::string_view) { return std::nullopt; });
  EXPECT_FALSE(BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT")));
  EXPECT_EQ(fixture.ui.events(), (std::vector<std::string>{"beep", Sjis("message: 失敗しました(/_;)")}));
  EXPECT_TRUE(fixture.profiles.writes().empty());
  EXPECT_EQ(fixture.context.busy(), 0);

  // Failing at the listing of the partial files: the partial file stays for a later merge.
  fixture.context.SetFileLister([](std::string_view pattern) {
    if (pattern.ends_with("IDX_TEST.*")) return std::optional<std::vector<std::string>>();
    return shell::ListMatchingFiles(pattern);
  });
  EXPECT_FALSE(BuildEnglishJapanese(fixture.context, FengValues("FENG5A.TXT")));
  EXPECT_EQ(fixture.ui.messages().back().text, Sjis("失敗しました(/_;)"));
  EXPECT_FALSE(fixture.ui.progress_window_exists());
  EXPECT_TRUE(fixture.Exists("idx/IDX_TEST.000"));
}

}  // namespace
}  // namespace building

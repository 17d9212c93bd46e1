#include "building/source_file_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_error.h"
#include "platform/host_path.h"
#include "platform/recording_profiles.h"
#include "testing/temp_directory.h"

namespace building {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDirectory;

class SourceFileRegistryTest : public testing::Test {
 protected:
  SourceFileRegistryTest() {
    std::filesystem::create_directory(dir_.path() / "idx");
    index_directory_ = platform::ProgramPathOfHost(dir_.path().string()) + "\\IDX\\";
  }

  TempDirectory dir_;
  platform::DiskProfiles disk_{dir_ / "config/INDEXER.INI"};
  platform::RecordingProfiles profiles_{disk_};
  std::string index_directory_;
};

TEST_F(SourceFileRegistryTest, WritesInTheOrderOfTheBuild) {
  SourceFileRegistry registry(profiles_, index_directory_);
  const std::string table = index_directory_ + "qvxindex.ini";
  EXPECT_EQ(registry.index_profile_path(), table);
  registry.Register(0, "C:\\DIC\\FENG5A.TXT");
  registry.Register(12, "C:\\DIC\\FENG5B.TXT");
  registry.RecordLengths(17, 10);
  EXPECT_EQ(profiles_.calls(), (std::vector<std::string>{
      "app WriteString [FileID] 0=C:\\DIC\\FENG5A.TXT",
      table + " WriteString [FileID] 0=C:\\DIC\\FENG5A.TXT",
      table + " Flush",
      "app WriteString [FileID] 12=C:\\DIC\\FENG5B.TXT",
      table + " WriteString [FileID] 12=C:\\DIC\\FENG5B.TXT",
      table + " Flush",
      "app WriteInt [Length] MaxFullPath=17",
      table + " WriteString [Length] MaxFullPath=17",
      "app WriteString [Length] MaxFilename=10",
      table + " WriteString [Length] MaxFilename=10",
      table + " Flush",
  }));
  const std::string expected =
      "[FileID]\r\n0=C:\\DIC\\FENG5A.TXT\r\n12=C:\\DIC\\FENG5B.TXT\r\n"
      "[Length]\r\nMaxFullPath=17\r\nMaxFilename=10\r\n";
  EXPECT_EQ(ReadBytes(dir_ / "config/INDEXER.INI"), expected);
  EXPECT_EQ(ReadBytes(dir_ / "idx/qvxindex.ini"), expected);
  EXPECT_EQ(SourceFileRegistry::SourcePathOf(profiles_.Application(), 12), "C:\\DIC\\FENG5B.TXT");
  EXPECT_EQ(SourceFileRegistry::SourcePathOf(profiles_.Application(), 1), "");
}

TEST_F(SourceFileRegistryTest, ASmallerBuildLeavesTheHigherIdsOfALargerOne) {
  {
    SourceFileRegistry first(profiles_, index_directory_);
    for (std::int16_t id = 0; id < 10; ++id) first.Register(id, "C:\\OLD\\" + std::to_string(id));
    first.RecordLengths(200, 100);
  }
  SourceFileRegistry second(profiles_, index_directory_);
  for (std::int16_t id = 0; id < 3; ++id) second.Register(id, "C:\\NEW\\" + std::to_string(id));
  second.RecordLengths(0, 0);  // the maxima of this build alone, even when smaller
  platform::Profile& table = disk_.Named(index_directory_ + "qvxindex.ini");
  for (platform::Profile* profile : {&disk_.Application(), &table}) {
    EXPECT_EQ(profile->GetString("FileID", "2", ""), "C:\\NEW\\2");
    EXPECT_EQ(profile->GetString("FileID", "3", ""), "C:\\OLD\\3");
    EXPECT_EQ(profile->GetString("FileID", "9", ""), "C:\\OLD\\9");
    EXPECT_EQ(profile->GetInt("Length", "MaxFullPath", -1), 0);
    EXPECT_EQ(profile->GetInt("Length", "MaxFilename", -1), 0);
  }
}

TEST_F(SourceFileRegistryTest, AnEmptyIndexDirectoryPutsTheTableBesideTheProfile) {
  SourceFileRegistry registry(profiles_, "");
  EXPECT_EQ(registry.index_profile_path(), "qvxindex.ini");
  registry.Register(0, "FENG5A.TXT");
  EXPECT_EQ(ReadBytes(dir_ / "config/qvxindex.ini"), "[FileID]\r\n0=FENG5A.TXT\r\n");
}

TEST_F(SourceFileRegistryTest, AnIndexDirectoryThatDoesNotExistIsAnError) {
  SourceFileRegistry registry(profiles_, index_directory_ + "MISSING\\");
  EXPECT_THROW(registry.Register(0, "C:\\DIC\\FENG5A.TXT"), platform::FileError);
  // The application profile was written first and keeps its entry.
  EXPECT_EQ(SourceFileRegistry::SourcePathOf(disk_.Application(), 0), "C:\\DIC\\FENG5A.TXT");
}

}  // namespace
}  // namespace building

#include "building/profile_keys.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/profiles.h"
#include "testing/temp_directory.h"

namespace building {
namespace {

using testing_support::TempDirectory;
using testing_support::WriteBytes;

// The profile is read by other programs too: its section and key names are an interface.
TEST(ProfileKeysTest, TheTableNamesEveryKeyOnce) {
  struct Expected {
    const char* section;
    const char* key;
    ProfileValueType type;
  };
  using enum ProfileValueType;
  const std::vector<Expected> expected = {
      {"FENGDIC", "FileNames", kString},          {"FENGDIC", "Tech", kString},
      {"FENGDIC", "Proper", kString},             {"FENGDIC", "Ryaku", kString},
      {"FENGDIC", "Hoi", kString},                {"FENGDIC", "Biling", kString},
      {"FENGDIC", "Directory", kString},          {"FENGDIC", "IndexDir", kString},
      {"Japanese-English", "FileName", kString},  {"Japanese-English", "DirName", kString},
      {"Japanese-English", "IndexDir", kString},  {"Generic", "FileName", kString},
      {"Generic", "DirName", kString},            {"Generic", "IndexDir", kString},
      {"Current", "IndexDir", kString},           {"Merged", "Filename", kString},
      {"Length", "MaxFullPath", kInteger},        {"Length", "MaxFilename", kInteger},
      {"Option", "TagForm", kInteger},
  };
  std::span<const ProfileKey> keys = AllProfileKeys();
  ASSERT_EQ(keys.size(), expected.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].section, expected[i].section) << i;
    EXPECT_EQ(keys[i].key, expected[i].key) << i;
    EXPECT_EQ(keys[i].type, expected[i].type) << i;
  }
  EXPECT_EQ(FileIdKey(0), "0");
  EXPECT_EQ(FileIdKey(12), "12");  // no leading zeros, unlike the partial index file's name
  EXPECT_EQ(FileIdKey(199), "199");
  EXPECT_EQ(RecentFileKey(4), "File4");
  EXPECT_EQ(FileSelectionKeysOfMode(1).index_dir.section, "Generic");
  EXPECT_EQ(FileSelectionKeysOfMode(0).dir_name.section, "Japanese-English");
  EXPECT_EQ(FileSelectionKeysOfMode(0).dir_name.key, "DirName");
}

TEST(ProfileKeysTest, AFirstRunReadsTheDefaults) {
  TempDirectory dir;
  platform::DiskProfiles profiles(dir / "config/INDEXER.INI");
  for (const ProfileKey& key : AllProfileKeys()) {
    SCOPED_TRACE(std::string(key.section) + "/" + std::string(key.key));
    if (key.type == ProfileValueType::kString) {
      EXPECT_EQ(ReadString(profiles.Application(), key), "");
    } else {
      EXPECT_EQ(ReadInt(profiles.Application(), key), 0);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "config"));  // reading creates nothing
}

TEST(ProfileKeysTest, ValuesWrittenByHandAreFoundRegardlessOfCase) {
  TempDirectory dir;
  WriteBytes(dir / "INDEXER.INI", "[fengdic]\r\nINDEXDIR=C:\\IDX\\\r\n[OPTION]\r\ntagform=1\r\n");
  platform::DiskProfiles profiles(dir / "INDEXER.INI");
  EXPECT_EQ(ReadString(profiles.Application(), profile_keys::kFengIndexDir), "C:\\IDX\\");
  EXPECT_EQ(ReadInt(profiles.Application(), profile_keys::kOptionTagForm), 1);
  WriteString(profiles.Application(), profile_keys::kCurrentIndexDir, "C:\\IDX2\\");
  WriteInt(profiles.Application(), profile_keys::kOptionTagForm, 0);
  EXPECT_EQ(testing_support::ReadBytes(dir / "INDEXER.INI"),
            "[fengdic]\r\nINDEXDIR=C:\\IDX\\\r\n[OPTION]\r\ntagform=0\r\n"
            "[Current]\r\nIndexDir=C:\\IDX2\\\r\n");
}

}  // namespace
}  // namespace building

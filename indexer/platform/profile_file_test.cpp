#include "platform/profile_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <climits>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_error.h"
#include "platform/host_path.h"
#include "platform/profiles.h"
#include "platform/recording_profiles.h"
#include "testing/temp_directory.h"

namespace platform {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

TEST(ProfileFileTest, RoundTripKeepsForeignLinesAndComments) {
  TempDirectory dir;
  const std::string original =
      "; my settings\r\n[Recent File List]\r\nFile1=C:\\A.TXT\r\n\r\n[fengdic]\r\n"
      "directory=C:\\DIC\\\r\n# not ours\r\n\r\n[Other]\nx=1\n";
  WriteBytes(dir / "INDEXER.INI", original);
  auto profile = ProfileFile::AtHostPath(dir / "INDEXER.INI", false);
  EXPECT_EQ(profile->GetString("FENGDIC", "Directory", "none"), "C:\\DIC\\");
  profile->WriteString("FENGDIC", "IndexDir", "C:\\IDX\\");
  profile->WriteInt("Option", "TagForm", 1);
  profile->Flush();
  EXPECT_EQ(ReadBytes(dir / "INDEXER.INI"),
            "; my settings\r\n[Recent File List]\r\nFile1=C:\\A.TXT\r\n\r\n[fengdic]\r\n"
            "directory=C:\\DIC\\\r\n# not ours\r\nIndexDir=C:\\IDX\\\r\n\r\n[Other]\r\nx=1\r\n"
            "[Option]\r\nTagForm=1\r\n");
  // Another reader of the same file sees everything.
  auto again = ProfileFile::AtHostPath(dir / "INDEXER.INI", false);
  EXPECT_EQ(again->GetString("fengdic", "INDEXDIR", ""), "C:\\IDX\\");
  EXPECT_EQ(again->GetInt("OPTION", "tagform", 0), 1);
  EXPECT_EQ(again->GetString("Recent File List", "File1", ""), "C:\\A.TXT");
}

TEST(ProfileFileTest, ValuesAreReadBackWithAtMost259Bytes) {
  TempDirectory dir;
  auto profile = ProfileFile::AtHostPath(dir / "p.ini", false);
  const std::string long_value(300, 'v');
  profile->WriteString("S", "long", long_value);
  EXPECT_EQ(profile->GetString("S", "long", ""), long_value.substr(0, 259));
  EXPECT_NE(ReadBytes(dir / "p.ini").find(long_value), std::string::npos);  // stored whole
  // A double-byte character across the limit is left out whole.
  std::string kanji_value = std::string(258, 'v') + "\x93\xfa";
  profile->WriteString("S", "kanji", kanji_value);
  EXPECT_EQ(profile->GetString("S", "kanji", ""), std::string(258, 'v'));
  EXPECT_EQ(profile->GetString("S", "absent", std::string(300, 'd')), std::string(259, 'd'));
}

TEST(ProfileFileTest, IntegersAreReadAsTheSystemReadsThem) {
  TempDirectory dir;
  auto profile = ProfileFile::AtHostPath(dir / "p.ini", false);
  struct Case {
    std::string stored;
    int read;
  };
  const std::vector<Case> cases = {
      {"17", 17},          {"  -3 ", -3},       {"+5", 5},        {"12abc", 12},
      {"0x10", 0},         {"abc", -7},         {"", -7},         {"-", -7},
      {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}, {"2147483647", INT_MAX},
  };
  for (const Case& c : cases) {
    profile->WriteString("Length", "MaxFullPath", c.stored);
    EXPECT_EQ(profile->GetInt("Length", "MaxFullPath", -7), c.read) << c.stored;
  }
  EXPECT_EQ(profile->GetInt("Length", "Absent", -7), -7);
  profile->WriteInt("Length", "MaxFilename", -42);
  EXPECT_EQ(profile->GetString("Length", "MaxFilename", ""), "-42");
}

TEST(ProfileFileTest, ChangesByOthersAreSeen) {
  TempDirectory dir;
  auto profile = ProfileFile::AtHostPath(dir / "p.ini", false);
  EXPECT_EQ(profile->GetString("S", "k", "default"), "default");
  WriteBytes(dir / "p.ini", "[S]\r\nk=outside\r\n");
  EXPECT_EQ(profile->GetString("S", "k", "default"), "outside");
  auto other = ProfileFile::AtHostPath(dir / "p.ini", false);
  other->WriteString("S", "k", "other");
  EXPECT_EQ(profile->GetString("S", "k", "default"), "other");
  std::filesystem::remove(dir.path() / "p.ini");
  EXPECT_EQ(profile->GetString("S", "k", "default"), "default");
}

TEST(ProfileFileTest, FailuresOfWritingAreReported) {
  TempDirectory dir;
  // A named file in a folder that does not exist: the folder is not created.
  auto in_missing_folder =
      ProfileFile::AtProgramPath(ProgramPathOfHost(dir.path().string()) + "\\IDX\\qvxindex.ini");
  EXPECT_EQ(in_missing_folder->GetString("FileID", "0", "d"), "d");
  EXPECT_THROW(in_missing_folder->WriteString("FileID", "0", "x"), FileError);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "IDX"));
  // Something that cannot be read is never replaced.
  std::filesystem::create_directory(dir.path() / "dir.ini");
  auto unreadable = ProfileFile::AtHostPath(dir / "dir.ini", true);
  EXPECT_EQ(unreadable->GetString("S", "k", "d"), "d");
  EXPECT_THROW(unreadable->WriteString("S", "k", "x"), FileError);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "dir.ini"));
  // The application profile's folders are created.
  auto application = ProfileFile::AtHostPath(dir / "config/indexer/INDEXER.INI", true);
  application->WriteString("Current", "IndexDir", "C:\\IDX\\");
  EXPECT_EQ(ReadBytes(dir / "config/indexer/INDEXER.INI"), "[Current]\r\nIndexDir=C:\\IDX\\\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "config/indexer"), {}),
            1);  // no temporary left behind
}

TEST(ProfilesTest, BareNamesLiveBesideTheApplicationProfile) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.path() / "idx");
  DiskProfiles profiles(dir / "config/INDEXER.INI");
  profiles.Named("qvxindex.ini").WriteString("FileID", "0", "bare");
  const std::string index = ProgramPathOfHost(dir.path().string()) + "\\IDX\\qvxindex.ini";
  profiles.Named(index).WriteString("FileID", "0", "in the index directory");
  EXPECT_EQ(ReadBytes(dir / "config/qvxindex.ini"), "[FileID]\r\n0=bare\r\n");
  EXPECT_EQ(ReadBytes(dir / "idx/qvxindex.ini"), "[FileID]\r\n0=in the index directory\r\n");
  EXPECT_EQ(&profiles.Named(index), &profiles.Named(index));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "config/INDEXER.INI"));
}

TEST(ProfilesTest, RecordingKeepsTheOrderOfCalls) {
  TempDirectory dir;
  DiskProfiles disk(dir / "INDEXER.INI");
  RecordingProfiles profiles(disk);
  profiles.Application().WriteInt("Length", "MaxFullPath", 17);
  profiles.Named("C:\\IDX\\qvxindex.ini").Flush();
  EXPECT_EQ(profiles.Application().GetString("length", "maxfullpath", ""), "17");
  EXPECT_EQ(profiles.calls(), (std::vector<std::string>{
                                  "app WriteInt [Length] MaxFullPath=17",
                                  "C:\\IDX\\qvxindex.ini Flush",
                                  "app GetString [length] maxfullpath",
                              }));
  EXPECT_EQ(profiles.writes().size(), 2u);
}

TEST(ProfilesTest, DefaultLocationFollowsTheEnvironment) {
  struct Case {
    const char* xdg_config_home;  // nullptr: unset
    const char* home;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"/cfg", "/home/me", "/cfg/indexer/INDEXER.INI"},
      {nullptr, "/home/me", "/home/me/.config/indexer/INDEXER.INI"},
      {"", "/home/me", "/home/me/.config/indexer/INDEXER.INI"},
      {"relative", "/home/me", "/home/me/.config/indexer/INDEXER.INI"},
  };
  // Restores the two variables afterwards.
  struct Saved {
    std::string name;
    std::optional<std::string> value;
    ~Saved() { value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str()); }
  };
  auto save = [](const char* name) {
    const char* value = std::getenv(name);
    return Saved{name, value ? std::optional<std::string>(value) : std::nullopt};
  };
  Saved saved_config = save("XDG_CONFIG_HOME");
  Saved saved_home = save("HOME");
  for (const Case& c : cases) {
    if (c.xdg_config_home == nullptr) {
      ::unsetenv("XDG_CONFIG_HOME");
    } else {
      ::setenv("XDG_CONFIG_HOME", c.xdg_config_home, 1);
    }
    ::setenv("HOME", c.home, 1);
    EXPECT_EQ(DefaultApplicationProfilePath(), c.expected);
  }
}

}  // namespace
}  // namespace platform

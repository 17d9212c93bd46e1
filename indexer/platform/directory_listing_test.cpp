#include "platform/directory_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/shift_jis.h"
#include "testing/scoped_current_directory.h"
#include "testing/temp_directory.h"

namespace platform {
namespace {

using testing_support::TempDirectory;
using testing_support::WriteBytes;
using Names = std::vector<std::string>;

// A directory of ordinary, read-only, hidden and odd entries.
class DirectoryListingTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"b.txt", "a.txt", "A.txt", "_x.txt", "Z.TXT", "noext", "日本.txt",
                             ".hidden", "ro.txt"}) {
      WriteBytes(dir_ / name, name);
    }
    ::chmod((dir_ / "ro.txt").c_str(), 0444);
    std::filesystem::create_directory(dir_.path() / "sub");
    std::filesystem::create_directory(dir_.path() / "Alpha");
    std::filesystem::create_directory(dir_.path() / ".git");
    std::filesystem::create_symlink(dir_.path() / "b.txt", dir_.path() / "link.txt");
    std::filesystem::create_symlink(dir_.path() / "missing", dir_.path() / "dead.txt");
    std::filesystem::create_directory_symlink(dir_.path() / "sub", dir_.path() / "linkdir");
    ::mkfifo((dir_ / "pipe.txt").c_str(), 0644);
    windows_ = ProgramPathOfHost(dir_.path().string()) + "\\";
  }

  TempDirectory dir_;
  std::string windows_;
};

TEST_F(DirectoryListingTest, FilesInCaseInsensitiveOrder) {
  // Ascending by upper-cased name, ties ("A.txt", "a.txt") by the name itself; "_" (0x5F)
  // after the letters, the double-byte name (0x93...) last.
  const Names all = {"A.txt", "a.txt", "b.txt", "link.txt", "noext", "ro.txt",
                     "Z.TXT", "_x.txt", "\x93\xfa\x96\x7b.txt"};
  struct Case {
    std::string pattern;
    Names names;
  };
  const std::vector<Case> cases = {
      {"*.*", all},
      {"*", all},
      {"*.TXT", {"A.txt", "a.txt", "b.txt", "link.txt", "ro.txt", "Z.TXT", "_x.txt",
                 "\x93\xfa\x96\x7b.txt"}},
      {"?.txt", {"A.txt", "a.txt", "b.txt", "Z.TXT"}},
      {"NOEXT", {"noext"}},
      {"x*", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(ListFiles(windows_ + c.pattern), c.names);
  }
  Names writable = all;
  std::erase(writable, "ro.txt");
  EXPECT_EQ(ListFiles(windows_ + "*.*", ReadOnlyFiles::kExcluded), writable);
}

TEST_F(DirectoryListingTest, PatternWithoutDirectoryListsTheCurrentDirectory) {
  testing_support::ScopedCurrentDirectory cwd(dir_.path());
  Names relative = ListFiles("?.TXT");
  Names on_drive = ListFiles("C:?.TXT");
  EXPECT_EQ(relative, (Names{"A.txt", "a.txt", "b.txt", "Z.TXT"}));
  EXPECT_EQ(on_drive, relative);
}

TEST_F(DirectoryListingTest, SubdirectoriesAndDrives) {
  EXPECT_EQ(ListSubdirectories(windows_ + "*.*"), (Names{"[..]", "[Alpha]", "[linkdir]", "[sub]"}));
  EXPECT_EQ(ListSubdirectories(windows_ + "S*"), (Names{"[sub]"}));
  EXPECT_EQ(ListSubdirectories(UpperCased(windows_) + "*.*").size(), 4u);
  // The root has no parent entry.
  Names root = ListSubdirectories("C:\\*.*");
  EXPECT_TRUE(std::find(root.begin(), root.end(), "[..]") == root.end());
  EXPECT_TRUE(std::find(root.begin(), root.end(), "[tmp]") != root.end());
  EXPECT_EQ(ListDrives(), Names{"[-c-]"});
}

TEST_F(DirectoryListingTest, NothingToList) {
  EXPECT_EQ(ListFiles(windows_ + "missing\\*.*"), Names{});
  EXPECT_EQ(ListSubdirectories(windows_ + "missing\\*.*"), Names{});
  EXPECT_EQ(ListFiles("D:\\*.*"), Names{});
  EXPECT_EQ(ListFiles(windows_), Names{});  // an empty name pattern matches nothing
  EXPECT_EQ(ListFiles(windows_ + "b.txt\\*.*"), Names{});  // a file is no directory
}

}  // namespace
}  // namespace platform

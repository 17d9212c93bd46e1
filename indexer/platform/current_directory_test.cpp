#include "platform/current_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/host_path.h"
#include "platform/shift_jis.h"
#include "testing/temp_directory.h"

namespace platform {
namespace {

using testing_support::TempDirectory;

class CurrentDirectoryTest : public testing::Test {
 protected:
  ~CurrentDirectoryTest() override { std::filesystem::current_path(saved_); }
  std::filesystem::path saved_ = std::filesystem::current_path();
};

TEST_F(CurrentDirectoryTest, ReadsAndSetsAsWindowsPathsOfDriveC) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.path() / "dic");
  const std::string windows = ProgramPathOfHost(dir.path().string());

  ASSERT_TRUE(ChangeCurrentDirectory(UpperCased(windows) + "\\DIC\\"));
  EXPECT_EQ(std::filesystem::current_path(), dir.path() / "dic");
  EXPECT_EQ(CurrentDirectory(), windows + "\\dic");
  EXPECT_EQ(CurrentDirectoryPrefix(), windows + "\\dic\\");
  EXPECT_EQ(HostCurrentDirectory(), (dir.path() / "dic").string());

  EXPECT_FALSE(ChangeCurrentDirectory(windows + "\\missing"));
  EXPECT_FALSE(ChangeCurrentDirectory("D:\\"));
  EXPECT_EQ(CurrentDirectory(), windows + "\\dic");  // unchanged by the failures

  ASSERT_TRUE(ChangeCurrentDirectory(".."));
  EXPECT_EQ(CurrentDirectory(), windows);
  ASSERT_TRUE(ChangeCurrentDirectory("C:\\"));
  EXPECT_EQ(CurrentDirectory(), "C:\\");
  EXPECT_EQ(CurrentDirectoryPrefix(), "C:\\");
}

TEST_F(CurrentDirectoryTest, OnlyDriveCExists) {
  EXPECT_TRUE(ChangeCurrentDrive(3));
  EXPECT_FALSE(ChangeCurrentDrive(1));
  EXPECT_FALSE(ChangeCurrentDrive(4));
  EXPECT_EQ(CurrentDrive(), 3);
}

}  // namespace
}  // namespace platform

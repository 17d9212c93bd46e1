#include "zentu/host.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "testing/temp_directory.h"
#include "zentu/test_working_directory.h"

namespace zentu::host {
namespace {

using testing_support::TempDirectory;
using testing_support::WriteBytes;
using zentu::testing::WindowsPathOf;
using zentu::testing::WorkingDirectory;

// "ソ" in UTF-8 on disk and in code page 932 in the program; its second byte is 0x5C.
constexpr char kSoHost[] = "\xE3\x82\xBD";
constexpr char kSoProgram[] = "\x83\x5C";

TEST(HostTest, TheOemCodePageIs932WithItsLeadByteRanges) {
  CodePageInfo info;
  ASSERT_TRUE(GetOemCodePageInfo(info));
  EXPECT_EQ(info.code_page, 932);
  const unsigned char ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
  EXPECT_EQ(std::string(info.lead_byte_ranges, info.lead_byte_ranges + 6),
            std::string(ranges, ranges + 6));
}

TEST(HostTest, DriveCIsTheOnlyDriveAndAlwaysCurrent) {
  EXPECT_EQ(CurrentDrive(), kDriveC);
  EXPECT_TRUE(ChangeDrive(3));
  EXPECT_FALSE(ChangeDrive(4));
  EXPECT_FALSE(ChangeDrive(1));
  EXPECT_EQ(CurrentDrive(), kDriveC);
}

TEST(HostTest, CurrentDirectoryReadsAsAWindowsPathInCodePage932) {
  TempDirectory temp;
  std::filesystem::create_directory(temp.path() / kSoHost);
  char out[4096];
  {
    WorkingDirectory here(temp.path() / kSoHost);
    ASSERT_TRUE(CurrentDirectory(out, sizeof out));
    EXPECT_EQ(std::string(out), WindowsPathOf(temp.path()) + "\\" + kSoProgram);

    const std::size_t needed = std::string(out).size() + 1;
    char small[4096];
    EXPECT_FALSE(CurrentDirectory(small, needed - 1));
    EXPECT_STREQ(small, "");
    EXPECT_TRUE(CurrentDirectory(small, needed));
  }
  WorkingDirectory root("/");
  ASSERT_TRUE(CurrentDirectory(out, sizeof out));
  EXPECT_STREQ(out, "C:\\");
}

TEST(HostTest, FindFirstGivesTheAttributeByte) {
  TempDirectory temp;
  std::filesystem::create_directory(temp.path() / "sub");
  std::filesystem::create_directory(temp.path() / ".hidden_dir");
  WriteBytes(temp / "file.txt", "x");
  WriteBytes(temp / ".profile", "x");
  WriteBytes(temp / "locked.txt", "x");
  ::chmod((temp / "locked.txt").c_str(), 0444);
  WriteBytes(temp / (std::string(kSoHost) + ".txt"), "x");
  const std::string dir = WindowsPathOf(temp.path());

  EXPECT_EQ(FindFirst((dir + "\\sub").c_str()), 0x10);
  EXPECT_EQ(FindFirst((dir + "\\.hidden_dir").c_str()), 0x12);
  EXPECT_EQ(FindFirst((dir + "\\file.txt").c_str()), 0x20);
  EXPECT_EQ(FindFirst((dir + "\\.profile").c_str()), 0x22);
  EXPECT_EQ(FindFirst((dir + "\\locked.txt").c_str()), 0x21);
  EXPECT_EQ(FindFirst((dir + "\\missing").c_str()), -1);
  EXPECT_EQ(FindFirst((dir + "\\missing\\file.txt").c_str()), -1);
  // Upper-cased names find the real ones; names are converted from code page 932.
  std::string upper = dir + "\\FILE.TXT";
  EXPECT_EQ(FindFirst(upper.c_str()), 0x20);
  EXPECT_EQ(FindFirst((dir + "\\" + kSoProgram + ".TXT").c_str()), 0x20);
  // Wildcards in the last component: the first match in the order of upper-cased names.
  EXPECT_EQ(FindFirst((dir + "\\*.TXT").c_str()), 0x20);
  EXPECT_EQ(FindFirst((dir + "\\s?b").c_str()), 0x10);
  EXPECT_EQ(FindFirst((dir + "\\*").c_str()), 0x12);  // ".hidden_dir" comes first
  EXPECT_EQ(FindFirst((dir + "\\*.none").c_str()), -1);
  // Other forms of the same path; other drives do not exist.
  EXPECT_EQ(FindFirst((dir.substr(2) + "\\sub").c_str()), 0x10);
  EXPECT_EQ(FindFirst(("c" + dir.substr(1) + "\\sub").c_str()), 0x10);
  EXPECT_EQ(FindFirst(("D" + dir.substr(1) + "\\sub").c_str()), -1);
  WorkingDirectory here(temp.path());
  EXPECT_EQ(FindFirst("sub"), 0x10);
  EXPECT_EQ(FindFirst("C:sub"), 0x10);
  EXPECT_EQ(FindFirst(""), -1);
}

}  // namespace
}  // namespace zentu::host

#include "platform/host_path.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/directory_listing.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "platform/shift_jis.h"
#include "testing/scoped_current_directory.h"
#include "testing/temp_directory.h"

namespace platform {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

std::string ReadWhole(std::string_view program_path) {
  File file = File::OpenForReading(program_path);
  std::string text(256, '\0');
  text.resize(file.ReadSome(text.data(), text.size()));
  return text;
}

TEST(HostPathTest, WindowsPathsInEveryFormOpenLowerCaseNames) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.path() / "dic");
  WriteBytes(dir / "dic/feng5a.txt", "contents");
  testing_support::ScopedCurrentDirectory cwd(dir.path());

  const std::string windows = ProgramPathOfHost(dir.path().string());  // C:\tmp\indexer-test-..
  const std::vector<std::string> forms = {
      windows + "\\dic\\feng5a.txt",
      UpperCased(windows + "\\DIC\\FENG5A.TXT"),
      UpperCased(windows.substr(2) + "\\DIC\\FENG5A.TXT"),  // a leading backslash: drive C:
      "c:" + windows.substr(2) + "\\Dic\\Feng5a.Txt",
      UpperCased(windows + "\\\\DIC\\\\FENG5A.TXT"),        // doubled separators
      dir.path().string() + "/DIC/FENG5A.TXT",              // host form
      "DIC\\FENG5A.TXT",                                    // relative
      "C:DIC\\FENG5A.TXT",                                  // relative on drive C:
      ".\\DIC\\..\\DIC\\FENG5A.TXT",
  };
  for (const std::string& path : forms) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ReadWhole(path), "contents");
  }
}

TEST(HostPathTest, ExactNameFirstThenFirstCaseInsensitiveMatch) {
  TempDirectory dir;
  for (const char* name : {"data", "Data", "DATA"}) WriteBytes(dir / name, name);
  WriteBytes(dir / "other", "other");
  const std::string windows = ProgramPathOfHost(dir.path().string()) + "\\";
  EXPECT_EQ(ReadWhole(windows + "data"), "data");
  EXPECT_EQ(ReadWhole(windows + "Data"), "Data");
  EXPECT_EQ(ReadWhole(windows + "dAtA"), "DATA");  // "DATA" < "Data" < "data" in byte order
  EXPECT_EQ(ReadWhole(windows + "OTHER"), "other");
}

TEST(HostPathTest, CreationReusesACaseInsensitiveMatch) {
  TempDirectory dir;
  WriteBytes(dir / "feng5a.txt", "old");
  const std::string windows = UpperCased(ProgramPathOfHost(dir.path().string())) + "\\";
  {
    File file = File::Create(windows + "FENG5A.TXT");
    file.WriteAll("new", 3);
    file.Close();
  }
  EXPECT_EQ(ReadBytes(dir / "feng5a.txt"), "new");
  {
    File file = File::Create(windows + "IDX_TEST.000");
    file.Close();
  }
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "IDX_TEST.000"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(HostPathTest, DoubleByteNamesAndTheirSecondByteBackslash) {
  TempDirectory dir;
  // "表" is 0x95 0x5C in code page 932: its second byte is a backslash but no separator.
  std::filesystem::create_directory(dir.path() / "表");
  WriteBytes(dir / "表/辞書.txt", "kanji");
  WriteBytes(dir / "ﾃｽﾄ.txt", "kana");
  const std::string windows = ProgramPathOfHost(dir.path().string()) + "\\";
  EXPECT_EQ(ReadWhole(windows + "\x95\x5c\\\x8e\xab\x8f\x91.TXT"), "kanji");
  EXPECT_EQ(ReadWhole(windows + "\xc3\xbd\xc4.txt"), "kana");
  EXPECT_EQ(ResolveHostPath(windows + "\x95\x5c\\"), (dir.path() / "表").string() + "/");
}

TEST(HostPathTest, NamesOutsideBothEncodings) {
  TempDirectory dir;
  const std::string windows = ProgramPathOfHost(dir.path().string()) + "\\";
  // Program names that are not valid code page 932 keep their bytes: two such names never
  // become one file.
  for (const char* name : {"a\x80.txt", "a\xa0.txt"}) {
    File file = File::Create(windows + name);
    file.WriteAll(name, 6);
    file.Close();
  }
  EXPECT_EQ(ReadWhole(windows + "a\x80.txt"), "a\x80.txt");
  EXPECT_EQ(ReadWhole(windows + "a\xa0.txt"), "a\xa0.txt");
  // A host name that is not valid UTF-8 is listed with '?' and opens under that name.
  TempDirectory other;
  WriteBytes(other / "caf\xe9.txt", "latin-1");
  const std::string other_windows = ProgramPathOfHost(other.path().string()) + "\\";
  EXPECT_EQ(ListFiles(other_windows + "*.*"), std::vector<std::string>{"caf?.txt"});
  EXPECT_EQ(ReadWhole(other_windows + "CAF?.TXT"), "latin-1");
}

TEST(HostPathTest, WhatCannotBeOpened) {
  TempDirectory dir;
  const std::string windows = ProgramPathOfHost(dir.path().string()) + "\\";
  EXPECT_EQ(ResolveHostPath("D:\\DIC\\FENG5A.TXT"), "");
  EXPECT_THROW(File::OpenForReading("D:\\DIC\\FENG5A.TXT"), FileError);
  EXPECT_THROW(File::Create("D:\\IDX\\IDX_TEST.000"), FileError);
  EXPECT_THROW(File::CreateReplacing("D:\\IDX\\$$TMP$$.A"), FileError);
  EXPECT_THROW(File::Create(windows + "IDX\\"), FileError);  // never a file named "IDX"
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "IDX"));

  // A file that disappears between listing and opening.
  WriteBytes(dir / "gone.txt", "x");
  std::vector<std::string> listed = ListFiles(windows + "*.TXT");
  ASSERT_EQ(listed, std::vector<std::string>{"gone.txt"});
  std::filesystem::remove(dir.path() / "gone.txt");
  try {
    File::OpenForReading(windows + UpperCased(listed[0]));
    FAIL() << "opened a file that is gone";
  } catch (const FileError& error) {
    EXPECT_EQ(error.path(), windows + "GONE.TXT");
    EXPECT_EQ(error.error_number(), ENOENT);
  }
}

TEST(HostPathTest, ProgramPathsOfHostPaths) {
  EXPECT_EQ(ProgramPathOfHost("/"), "C:\\");
  EXPECT_EQ(ProgramPathOfHost("/home/me/dic"), "C:\\home\\me\\dic");
  EXPECT_EQ(ProgramPathOfHost("/tmp/表"), "C:\\tmp\\\x95\x5c");
  EXPECT_EQ(ResolveHostPath("C:\\"), "/");
  EXPECT_EQ(ResolveHostPath("\\"), "/");
  EXPECT_EQ(ResolveHostPath(""), ".");
}

TEST(HostPathTest, DirectoryValuesEndWithOneBackslash) {
  EXPECT_EQ(ProgramDirectoryOfHost("/"), "C:\\");
  EXPECT_EQ(ProgramDirectoryOfHost("/home/me/dic"), "C:\\home\\me\\dic\\");
  EXPECT_EQ(ProgramDirectoryOfHost("/home/me/dic/"), "C:\\home\\me\\dic\\");
  // The last character's second byte is 0x5C, which is no separator.
  EXPECT_EQ(ProgramDirectoryOfHost("/tmp/表"), "C:\\tmp\\\x95\x5c\\");
}

}  // namespace
}  // namespace platform

#include "platform/archive.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_error.h"
#include "testing/temp_directory.h"

namespace platform {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

TEST(ArchiveTest, WritesLittleEndianIntegersAndReadsThemBack) {
  TempDirectory dir;
  std::string path = dir / "numbers";
  {
    File file = File::Create(path);
    ArchiveWriter out(file, 16);  // a tiny buffer makes the writes cross buffer boundaries
    for (int i = 0; i < 10; ++i) {
      out.WriteUInt8(0x04);
      out.WriteInt32(-1);
      out.WriteUInt16(0x1234);
      out.WriteInt16(-2);
      out.WriteBytes("abc", 3);
    }
    out.Flush();
    file.Close();
  }
  std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 120u);
  EXPECT_EQ(bytes.substr(0, 12), std::string("\x04\xff\xff\xff\xff\x34\x12\xfe\xff" "abc", 12));

  File file = File::OpenForReading(path);
  ArchiveReader in(file, 16);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(in.ReadUInt8(), 0x04);
    EXPECT_EQ(in.ReadInt32(), -1);
    EXPECT_EQ(in.ReadUInt16(), 0x1234);
    EXPECT_EQ(in.ReadInt16(), -2);
    char word[3];
    in.ReadBytes(word, 3);
    EXPECT_EQ(std::string(word, 3), "abc");
  }
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(in.position(), 120u);
}

TEST(ArchiveTest, ReadingBeyondTheEndThrowsEndOfFile) {
  TempDirectory dir;
  std::string path = dir / "short";
  WriteBytes(path, std::string("\x01\x02\x03", 3));
  File file = File::OpenForReading(path);
  ArchiveReader in(file);
  EXPECT_EQ(in.ReadUInt16(), 0x0201);
  try {
    in.ReadUInt32();  // only one byte is left
    FAIL() << "no end-of-file error";
  } catch (const EndOfFileError& error) {
    EXPECT_EQ(error.path(), path);
  }
}

TEST(FileTest, ReplacingFileAppearsOnlyOnCommit) {
  TempDirectory dir;
  std::string path = dir / "$$TMP$$.A";
  WriteBytes(path, "old");
  {
    File file = File::CreateReplacing(path);
    file.WriteAll("new contents", 12);
    EXPECT_EQ(ReadBytes(path), "old");
  }  // dropped without Commit: the old file stays, the temporary is gone
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  File file = File::CreateReplacing(path);
  file.WriteAll("new contents", 12);
  file.Commit();
  EXPECT_EQ(ReadBytes(path), "new contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(FileTest, MissingFilesAndDirectoriesDoNotOpen) {
  TempDirectory dir;
  EXPECT_FALSE(File::TryOpenForReading(dir / "missing").has_value());
  EXPECT_FALSE(File::TryOpenForReading(dir.path().string()).has_value());
  EXPECT_THROW(File::OpenForReading(dir / "missing"), FileError);
  EXPECT_THROW(DeleteFile(dir / "missing"), FileError);
  EXPECT_THROW(File::Create(dir / "no-such-folder/file"), FileError);
  EXPECT_THROW(SyncFileSystemOf(dir / "no-such-folder"), FileError);
  EXPECT_NO_THROW(SyncFileSystemOf(dir.path().string()));
}

}  // namespace
}  // namespace platform

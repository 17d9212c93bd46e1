#include <gtest/gtest.h>

#include <string>

#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

struct PathCase {
  const char* path;
  const char* result;
};

// Runs `split` on path with an out buffer of exactly strlen(path) + 1 bytes.
template <typename Routine>
std::string Split(Routine split, const std::string& path) {
  ExactText in(path);
  ExactText out(std::string(path.size(), '#'));
  split(in.data(), out.data());
  EXPECT_EQ(in.str(), path);  // the path itself is not changed
  return out.str();
}

TEST(FileNamesTest, DirectoryIsThePartUpToTheLastBackslashInUpperCase) {
  const PathCase cases[] = {
      {"c:\\dir\\sub\\file.txt", "C:\\DIR\\SUB\\"},
      {"c:\\dir\\", "C:\\DIR\\"},
      {"C:\\", "C:\\"},
      {"file.txt", ""},
      {"c:file.txt", ""},
      {"", ""},
      // 0x83 0x5C (a katakana) ends in the byte of a backslash but is no separator.
      {"c:\\dir\\\x83\x5Cx.txt", "C:\\DIR\\"},
      {"c:\\\x83\x5C\\\x83\x5C", "C:\\\x83\x5C\\"},
      {"c:\\\x83\x61" "b\\f", "C:\\\x83\x61" "B\\"},  // second bytes are not folded
  };
  for (const PathCase& c : cases) EXPECT_EQ(Split(_GetDirectory, c.path), c.result) << c.path;
}

TEST(FileNamesTest, FileNameIsThePartAfterTheLastBackslashInUpperCase) {
  const PathCase cases[] = {
      {"c:\\dir\\file.txt", "FILE.TXT"},
      {"c:\\dir\\", ""},
      {"c:file.txt", "C:FILE.TXT"},
      {"c:\\dir\\\x83\x5Cx.txt", "\x83\x5CX.TXT"},
      {"c:\\dir\\\x83\x5C", "\x83\x5C"},
      {"name\x93", "NAME\x93"},  // a lead byte just before the end
  };
  for (const PathCase& c : cases) EXPECT_EQ(Split(_GetFilename, c.path), c.result) << c.path;
}

TEST(FileNamesTest, ExtensionIsThePartAfterTheLastPeriodOfTheFileName) {
  const PathCase cases[] = {
      {"c:\\dir\\archive.tar.gz", "GZ"},
      {"c:\\dir\\name.", ""},
      {"c:\\dir\\\x83\x5C.txt", "TXT"},
      {"c:\\dir\\a.\x93\xFA", "\x93\xFA"},
      // Out keeps what it held (nullptr here): no period in the name, or a name that begins
      // with one.
      {"C:\\DIR\\README", nullptr},
      {"C:\\DIR\\.PROFILE", nullptr},
      {"c:\\d.x\\file", nullptr},
      {"c:\\dir\\", nullptr},
  };
  for (const PathCase& c : cases) {
    const std::string untouched(std::string(c.path).size(), '#');
    EXPECT_EQ(Split(_GetExtension, c.path), c.result ? c.result : untouched) << c.path;
  }
}

TEST(FileNamesTest, TheOutBufferMayBeThePath) {
  char directory[] = "c:\\dir\\file.txt";
  _GetDirectory(directory, directory);
  EXPECT_STREQ(directory, "C:\\DIR\\");
  char name[] = "c:\\dir\\\x83\x61x.txt";
  _GetFilename(name, name);
  EXPECT_STREQ(name, "\x83\x61X.TXT");
  char extension[] = "c:\\dir\\file.txt";
  _GetExtension(extension, extension);
  EXPECT_STREQ(extension, "TXT");
}

// Paths far longer than any fixed buffer are split whole.
TEST(FileNamesTest, LongPathsAreHandledWhole) {
  std::string directory = "c:";
  while (directory.size() < 100000) directory += "\\dir\x83\x5C" "abcdefgh";
  directory += "\\";
  const std::string name(50000, 'n');
  const std::string path = directory + name + ".ext";

  std::string upper_directory = directory;
  _mbstrupr(upper_directory.data());
  EXPECT_EQ(Split(_GetDirectory, path), upper_directory);
  EXPECT_EQ(Split(_GetFilename, path), std::string(50000, 'N') + ".EXT");
  EXPECT_EQ(Split(_GetExtension, path), "EXT");
}

}  // namespace
}  // namespace zentu

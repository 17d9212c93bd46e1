#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/temp_directory.h"
#include "zentu/test_text.h"
#include "zentu/test_working_directory.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;
using testing::WindowsPathOf;
using testing::WorkingDirectory;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

constexpr char kUntouched = '#';

struct Resolved {
  int result;
  std::string dir;   // what the buffers hold afterwards; kUntouched bytes where nothing
  std::string name;  // was written
  std::string path;
};

// Calls _parse_filename with buffers of exactly the documented sizes, filled with kUntouched.
Resolved Parse(const std::string& path) {
  ExactText in(path);
  ExactText dir(std::string(path.size() + ZENTU_CURRENT_DIRECTORY_MAX - 1, kUntouched));
  ExactText name(std::string(path.size() + 3, kUntouched));
  const int result = _parse_filename(dir.data(), name.data(), in.data());
  return {result, dir.str(), name.str(), in.str()};
}

bool Untouched(const std::string& buffer) {
  return !buffer.empty() && buffer.find_first_not_of(kUntouched) == std::string::npos;
}

class ParseFilenameTest : public ::testing::Test {
 protected:
  ParseFilenameTest() {
    std::filesystem::create_directory(temp_.path() / "sub");
    std::filesystem::create_directory(temp_.path() / ".hidden");
    WriteBytes(temp_ / "file.txt", "x");
  }

  // The temporary directory as a Windows path, without a trailing backslash.
  std::string Here() const { return WindowsPathOf(temp_.path()); }

  TempDirectory temp_;
  WorkingDirectory working_{temp_.path()};
};

struct ParseCase {
  const char* path;  // '@' stands for the current directory (with its backslash)
  int result;
  const char* dir;   // nullptr: not written
  const char* name;  // nullptr: not written
};

std::string Expand(std::string text, const std::string& here) {
  for (std::size_t at; (at = text.find('@')) != std::string::npos;) text.replace(at, 1, here + "\\");
  return text;
}

TEST_F(ParseFilenameTest, ResolvesPathsAgainstTheCurrentDirectory) {
  const ParseCase cases[] = {
      {"", 0, "@", "*.*"},
      {"C:", 0, "@", "*.*"},
      {"D:", 0, "@", "*.*"},             // no other drive: C:'s directory is read
      {"C:FOO", 0, "@", "FOO"},
      {"C:X", 0, "@", "X"},              // a drive, a colon and one byte: as "C:FOO"
      {"A:B:C", 0, "@", "B:C"},
      {"file.txt", 0, "@", "file.txt"},
      {"AB:C", 0, "@", "AB:C"},          // a colon elsewhere and no backslash: a bare name
      {"\\file.txt", 0, "@", "file.txt"},
      {"\\FILE.TXT", 0, "@", "FILE.TXT"},
      {"\\sub", 0, "@sub\\", "*.*"},
      {"\\SUB", 0, "@SUB\\", "*.*"},
      {"\\.hidden", 0, "@", ".hidden"},  // a hidden directory is not a plain one
      {"\\*.txt", 0, "@", "*.txt"},
      {"\\missing", 1, "@", nullptr},
      {"\\", 1, "@", nullptr},
      {"C:\\DIR\\", 0, "C:\\DIR\\", "*.*"},
      {"\\DIR\\", 0, "@DIR\\", "*.*"},
      {"DIR\\", 0, "C:\\DIR\\", "*.*"},
      {"C:\\X\\*.TXT", 0, "C:\\X\\", "*.TXT"},
      {"sub\\a?c", 0, "sub\\", "a?c"},
      {"sub\\..\\file.txt", 0, "sub\\..\\", "file.txt"},
      {"sub\\missing", 1, nullptr, nullptr},
      {"D:\\x\\y", 1, nullptr, nullptr},
  };
  for (const ParseCase& c : cases) {
    const Resolved r = Parse(c.path);
    SCOPED_TRACE(c.path);
    EXPECT_EQ(r.result, c.result);
    if (c.dir) {
      EXPECT_EQ(r.dir, Expand(c.dir, Here()));
    } else {
      EXPECT_TRUE(Untouched(r.dir)) << r.dir;
    }
    if (c.name) {
      EXPECT_EQ(r.name, c.name);
    } else {
      EXPECT_TRUE(Untouched(r.name)) << r.name;
    }
  }
}

TEST_F(ParseFilenameTest, LooksUpFullPaths) {
  Resolved r = Parse(Here() + "\\sub");
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.dir, Here() + "\\sub\\");
  EXPECT_EQ(r.name, "*.*");

  r = Parse(Here() + "\\FILE.TXT");
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.dir, Here() + "\\");
  EXPECT_EQ(r.name, "FILE.TXT");

  r = Parse(Here() + "\\missing.txt");
  EXPECT_EQ(r.result, 1);
  EXPECT_TRUE(Untouched(r.dir));
  EXPECT_TRUE(Untouched(r.name));
}

TEST_F(ParseFilenameTest, FullWidthSmallLettersBecomeCapitalsInPlace) {
  // "C:" followed by full-width a and z, and an ASCII b that stays.
  const Resolved r = Parse("C:\x82\x81" "b\x82\x9A");
  EXPECT_EQ(r.path, "C:\x82\x60" "b\x82\x79");
  EXPECT_EQ(r.name, "\x82\x60" "b\x82\x79");
}

TEST_F(ParseFilenameTest, TheCurrentDirectoryGetsOneBackslashEvenAfterA5CSecondByte) {
  // "ソ" is 0x83 0x5C in code page 932: its second byte is no separator.
  std::filesystem::create_directory(temp_.path() / "\xE3\x82\xBD");
  WorkingDirectory inside(temp_.path() / "\xE3\x82\xBD");
  EXPECT_EQ(Parse("").dir, Here() + "\\\x83\x5C\\");
  WorkingDirectory root("/");
  EXPECT_EQ(Parse("").dir, "C:\\");
}

TEST_F(ParseFilenameTest, AnUnreadableCurrentDirectoryReadsAsEmpty) {
  std::filesystem::create_directory(temp_.path() / "gone");
  WorkingDirectory inside(temp_.path() / "gone");
  std::filesystem::remove(temp_.path() / "gone");
  const Resolved r = Parse("");
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.dir, "");
  EXPECT_EQ(r.name, "*.*");
  EXPECT_EQ(Parse("\\file.txt").result, 1);
}

// Paths far longer than any fixed buffer, into buffers of exactly the documented sizes.
TEST_F(ParseFilenameTest, LongPathsFitTheDocumentedBuffers) {
  const std::string long_name(100000, 'a');
  Resolved r = Parse("C:\\" + long_name + "\\*.TXT");
  EXPECT_EQ(r.dir, "C:\\" + long_name + "\\");
  EXPECT_EQ(r.name, "*.TXT");

  r = Parse("\\" + long_name + "\\");
  EXPECT_EQ(r.dir, Here() + "\\" + long_name + "\\");

  r = Parse(long_name + "\\");
  EXPECT_EQ(r.dir, "C:\\" + long_name + "\\");

  r = Parse("C:" + long_name);
  EXPECT_EQ(r.name, long_name);

  r = Parse(long_name);
  EXPECT_EQ(r.name, long_name);

  r = Parse("\\" + long_name);
  EXPECT_EQ(r.result, 1);

  r = Parse(Here() + "\\" + long_name);
  EXPECT_EQ(r.result, 1);
}

}  // namespace
}  // namespace zentu

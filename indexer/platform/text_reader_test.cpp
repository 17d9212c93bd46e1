#include "platform/text_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/temp_directory.h"

namespace platform {
namespace {

using testing_support::TempDirectory;
using testing_support::WriteBytes;

// Reads with ReadLine(size) until it returns 0 (at most 50 reads).
std::vector<std::string> ReadAll(TextReader& reader, std::size_t size) {
  std::vector<std::string> reads;
  std::vector<char> buffer(size);
  for (int i = 0; i < 50; ++i) {
    std::size_t got = reader.ReadLine(buffer.data(), size);
    if (got == 0) break;
    EXPECT_EQ(buffer[got], '\0');
    reads.emplace_back(buffer.data(), got);
  }
  return reads;
}

TextReader OpenWith(const TempDirectory& dir, std::string_view bytes) {
  WriteBytes(dir / "text", bytes);
  std::optional<TextReader> reader = TextReader::TryOpen(dir / "text");
  if (!reader) throw std::runtime_error("cannot open the test file");
  return std::move(*reader);
}

struct ReadingCase {
  const char* name;
  std::string input;
  std::size_t size;
  std::vector<std::string> reads;
};

TEST(TextReaderTest, CarriageReturnAndEndOfTextRules) {
  const std::vector<ReadingCase> cases = {
      {"CR LF ends become LF", "a b\r\nc\r\n", 100, {"a b\n", "c\n"}},
      {"a bare LF stays", "a\nb", 100, {"a\n", "b"}},
      {"CR before any byte delivers that byte", "ab\rcd\n", 100, {"abcd\n"}},
      {"of two CRs only the first is dropped", "a\r\r\nb", 100, {"a\r\n", "b"}},
      {"CR at the end of the file is dropped", "ab\r", 100, {"ab"}},
      {"0x1A after a line end ends the file", "ab\r\n\x1a" "cd\r\nef\r\n", 100, {"ab\n"}},
      {"0x1A inside a line ends the read only", "ab\x1a" "cd\r\n", 100, {"ab", "cd\n"}},
      {"CR then 0x1A inside a line", "ab\r\x1a" "cd\n", 100, {"ab", "cd\n"}},
      {"CR then 0x1A at a line start ends the file", "ab\n\r\x1a" "cd\n", 100, {"ab\n"}},
      {"0x1A as the very first byte", "\x1a" "ab\n", 100, {}},
      {"the limit cuts a line", "abcdef\n", 4, {"abc", "def", "\n"}},
      {"the limit stops before a CR", "ab\r\ncd", 3, {"ab", "\n", "cd"}},
      {"NUL bytes are delivered", std::string("a\0b\n", 4), 100, {std::string("a\0b\n", 4)}},
      {"an empty file", "", 100, {}},
  };
  TempDirectory dir;
  for (const ReadingCase& c : cases) {
    SCOPED_TRACE(c.name);
    TextReader reader = OpenWith(dir, c.input);
    EXPECT_EQ(ReadAll(reader, c.size), c.reads);
    EXPECT_TRUE(reader.AtEnd());
  }
}

TEST(TextReaderTest, EndOfTextEndsTheFileForGood) {
  TempDirectory dir;
  TextReader reader = OpenWith(dir, "ab\n\x1a" "cd\n");
  char buffer[16];
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 3u);
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 0u);
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 0u);
  EXPECT_TRUE(reader.AtEnd());
  reader.PushBack('x');  // a pushed-back byte is still delivered after the end
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 1u);
  EXPECT_STREQ(buffer, "x");
}

TEST(TextReaderTest, CarriageReturnAcrossTheBufferBoundary) {
  // The reader's buffer holds 64 KiB: put the CR at its last byte and the LF after it.
  TempDirectory dir;
  const std::size_t block = 1 << 16;
  std::string line(block - 1, 'x');
  TextReader reader = OpenWith(dir, line + "\r\n" + line + "\r\x1a" + "y");
  std::vector<char> buffer(2 * block);
  ASSERT_EQ(reader.ReadLine(buffer.data(), buffer.size()), block);
  EXPECT_EQ(std::string(buffer.data(), block), line + "\n");
  ASSERT_EQ(reader.ReadLine(buffer.data(), buffer.size()), block - 1);
  EXPECT_EQ(reader.ReadLine(buffer.data(), buffer.size()), 1u);
  EXPECT_STREQ(buffer.data(), "y");
}

TEST(TextReaderTest, PushedBackBytesComeAgainLastFirst) {
  TempDirectory dir;
  TextReader reader = OpenWith(dir, "ab  cd\r\nef");
  char buffer[5];
  ASSERT_EQ(reader.ReadLine(buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "ab  ");
  // A scanner hands back trailing white space from the end of its piece.
  reader.PushBack(' ');
  reader.PushBack(' ');
  reader.PushBack('b');
  char rest[16];
  EXPECT_EQ(reader.ReadLine(rest, sizeof rest), 6u);
  EXPECT_STREQ(rest, "b  cd\n");
  // Pushed-back bytes are delivered as they are: a CR pushed back is not dropped again.
  reader.PushBack('\r');
  EXPECT_EQ(reader.ReadLine(rest, sizeof rest), 3u);
  EXPECT_STREQ(rest, "\ref");
}

TEST(TextReaderTest, AtEndSeesWhatWouldStillBeDelivered) {
  struct Case {
    std::string rest;
    bool at_end;
  };
  const std::vector<Case> cases = {
      {"", true}, {"\x1a" "more", true}, {"\r", true}, {"\r\x1a", true},
      {"\r\n", false}, {"x", false},
  };
  TempDirectory dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.rest));
    TextReader reader = OpenWith(dir, "line\n" + c.rest);
    char buffer[16];
    ASSERT_EQ(reader.ReadLine(buffer, sizeof buffer), 5u);
    EXPECT_EQ(reader.AtEnd(), c.at_end);
  }
}

TEST(TextReaderTest, SeekingForgetsPushBackAndEnd) {
  TempDirectory dir;
  TextReader reader = OpenWith(dir, "first\r\n\x1a" "second\r\n");
  char buffer[32];
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 6u);
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 0u);  // the 0x1A ends the file
  reader.PushBack('z');
  reader.SeekTo(8);  // just after the 0x1A, as the test search positions on an offset
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 7u);
  EXPECT_STREQ(buffer, "second\n");
  reader.SeekTo(2);
  EXPECT_EQ(reader.ReadLine(buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "rst\n");
}

TEST(TextReaderTest, TinyBuffers) {
  TempDirectory dir;
  TextReader reader = OpenWith(dir, "ab");
  char buffer[1] = {'x'};
  EXPECT_EQ(reader.ReadLine(buffer, 0), 0u);
  EXPECT_EQ(buffer[0], 'x');  // nothing written
  EXPECT_EQ(reader.ReadLine(buffer, 1), 0u);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_FALSE(reader.AtEnd());
}

TEST(TextReaderTest, OpeningFailsQuietly) {
  TempDirectory dir;
  EXPECT_FALSE(TextReader::TryOpen(dir / "missing").has_value());
  EXPECT_FALSE(TextReader::TryOpen(dir.path().string()).has_value());  // a directory
}

}  // namespace
}  // namespace platform

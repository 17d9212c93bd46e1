#include "shell/document.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_error.h"
#include "platform/host_path.h"
#include "platform/message_pump.h"
#include "shell/ex_string_list.h"
#include "testing/command_fixture.h"

namespace shell {
namespace {

using testing_support::CommandFixture;

TEST(ExStringListTest, TheLongestLengthIsCachedUntilTheLinesAreCleared) {
  CExStringList lines;
  EXPECT_EQ(lines.GetLongestLength(), -1);
  lines.AddTail("abc\n");
  lines.AddTail("a\n");
  EXPECT_EQ(lines.GetLongestLength(), 4);
  lines.AddTail("abcdefgh\n");
  EXPECT_EQ(lines.GetLongestLength(), 4);  // cached
  EXPECT_EQ(lines.ComputeLongestLength(), 9);
  lines.ClearLines();
  EXPECT_EQ(lines.GetCount(), 0u);
  lines.AddTail("xy");
  EXPECT_EQ(lines.GetLongestLength(), 2);  // the true maximum after clearing
}

TEST(DocumentTest, FileSaveWritesEachLineWithCarriageReturnAndLineFeed) {
  CommandFixture fixture;
  const std::string path = platform::ProgramPathOfHost(fixture.temp / "saved.txt");
  fixture.document.SaveText(path);
  EXPECT_EQ(fixture.ReadFile("saved.txt"), "");

  fixture.document.lines().AddTail("first\n");
  fixture.document.lines().AddTail("no line feed");
  fixture.document.lines().AddTail("\n");
  fixture.document.lines().AddTail("two\n\n");
  fixture.document.SaveText(path);
  EXPECT_EQ(fixture.ReadFile("saved.txt"), "first\r\nno line feed\r\n\r\ntwo\n\r\n");

  EXPECT_THROW(fixture.document.SaveText(path + "\\missing\\x.txt"), platform::FileError);
}

TEST(DocumentTest, TheBusyFlagHoldsWhileAScanRunsAndIsClearedOnEveryWayOut) {
  CommandFixture fixture;
  fixture.WriteFile("a.txt", "one two\r\n");
  struct Probe : platform::MessagePump {
    void Step() override { saw_busy |= !document->CanClose(); }
    CIndexerDoc* document;
    bool saw_busy = false;
  } probe;
  probe.document = &fixture.document;
  platform::ScopedMessagePump pump(&probe);
  fixture.document.ScanGenericFile(platform::ProgramPathOfHost(fixture.temp / "a.txt"), 0);
  EXPECT_TRUE(probe.saw_busy);
  EXPECT_TRUE(fixture.document.CanClose());
  EXPECT_EQ(fixture.document.index().size(), 2u);

  // Writing an empty index is an error; the flag is cleared all the same.
  fixture.document.index().Reset();
  EXPECT_THROW(fixture.document.SaveIndexFile(platform::ProgramPathOfHost(fixture.temp / "x")),
               platform::FileError);
  EXPECT_TRUE(fixture.document.CanClose());
}

}  // namespace
}  // namespace shell

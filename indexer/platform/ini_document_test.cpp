#include "platform/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

// A hand-edited file with every kind of odd line. Each line ends in CR LF, except where noted.
const std::string kOddFile =
    "; written by hand\r\n"
    "orphan=before any section\r\n"
    "\r\n"
    "[FileID]\r\n"
    "0=C:\\DIC\\FENG5A.TXT\r\n"
    "no equals sign here\r\n"
    "[broken section\r\n"
    "=no key\r\n"
    "high bytes \x80\xff\xfe=\x93\xfa\x96\x7b\r\n"
    "cr\ronly=inside\r\n"
    "  1  =  C:\\DIC\\FENG5B.TXT  \r\n"
    + std::string(10000, 'x') + "\r\n"
    "\r\n"
    "[Length]  trailing words\n"  // a bare line feed
    "MaxFullPath=17\r\n"
    "[\x95]]\r\n"                 // a section whose name ends in a second byte ']'
    "k=v";                       // no line end at all

TEST(IniDocumentTest, FindsValuesOfOddFiles) {
  IniDocument document(kOddFile);
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  };
  const std::vector<Case> cases = {
      {"FileID", "0", "C:\\DIC\\FENG5A.TXT"},
      {"fileid", "0", "C:\\DIC\\FENG5A.TXT"},  // sections and keys regardless of case
      {"FileID", "1", "C:\\DIC\\FENG5B.TXT"},  // blanks around keys and values dropped
      {"FileID", "2", std::nullopt},
      {"FileID", "high bytes \x80\xff\xfe", "\x93\xfa\x96\x7b"},
      {"FileID", "cr\ronly", "inside"},
      {"LENGTH", "maxfullpath", "17"},
      {"\x95]", "k", "v"},
      {"", "orphan", std::nullopt},            // keys before the first section belong nowhere
      {"broken section", "=no key", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(document.Find(c.section, c.key), c.value) << c.section << "/" << c.key;
  }
}

TEST(IniDocumentTest, WritingKeepsEveryOtherLine) {
  IniDocument document(kOddFile);
  document.Set("fileid", "0", "C:\\NEW\\A.TXT");   // replaces its line, keeps the key's spelling
  document.Set("FileID", "2", "C:\\NEW\\C.TXT");   // added after the section's last line
  document.Set("Option", "TagForm", "1");          // a new section at the end
  std::string expected = kOddFile;
  expected.replace(expected.find("0=C:\\DIC\\FENG5A.TXT"), 19, "0=C:\\NEW\\A.TXT");
  expected.replace(expected.find("\r\n\r\n[Length]"), 2, "\r\n2=C:\\NEW\\C.TXT\r\n");
  expected.replace(expected.find("trailing words\n"), 15, "trailing words\r\n");
  expected += "\r\n[Option]\r\nTagForm=1\r\n";
  EXPECT_EQ(document.Text(), expected);
  EXPECT_EQ(IniDocument(document.Text()).Find("FILEID", "2"), "C:\\NEW\\C.TXT");
}

TEST(IniDocumentTest, LineBreaksInWrittenValuesCannotBreakTheFile) {
  IniDocument document;
  document.Set("FileID", "0", "C:\\A\r\n[Evil]\nx=y");
  EXPECT_EQ(document.Text(), "[FileID]\r\n0=C:\\A??[Evil]?x=y\r\n");
  EXPECT_EQ(document.Find("Evil", "x"), std::nullopt);
}

TEST(IniDocumentTest, EmptyAndBlankValues) {
  IniDocument document("[S]\r\nempty=\r\nblank=   \r\n");
  EXPECT_EQ(document.Find("S", "empty"), "");
  EXPECT_EQ(document.Find("S", "blank"), "");
  document.Set("S", "empty", "now");
  EXPECT_EQ(document.Text(), "[S]\r\nempty=now\r\nblank=   \r\n");
}

}  // namespace
}  // namespace platform

#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/shift_jis.h"
#include "platform/ui_text.h"

namespace platform {
namespace {

TEST(CodePageTest, ConvertsBothWays) {
  struct Case {
    std::string cp932;
    std::string utf8;
  };
  const std::vector<Case> cases = {
      {"C:\\DIC\\FENG5A.TXT ~", "C:\\DIC\\FENG5A.TXT ~"},  // ASCII unchanged, 0x5C stays '\'
      {"\x8f\x88\x97\x9d\x92\x86", "処理中"},
      {"\xc3\xbd\xc4", "ﾃｽﾄ"},                                 // half-width katakana
      {"\x95\x5c", "表"},                                       // second byte 0x5C
      {"\x87\x40", "①"},                                        // NEC special characters
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
    EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932);
    EXPECT_EQ(Cp932ToUtf8Exactly(c.cp932), c.utf8);
    EXPECT_EQ(Utf8ToCp932Exactly(c.utf8), c.cp932);
  }
}

TEST(CodePageTest, WhatCannotBeRepresentedBecomesAQuestionMark) {
  struct Case {
    std::string from;
    std::string lossy;
  };
  const std::vector<Case> cp932_cases = {
      {"a\x80z", "a?z"},
      {"\xa0\xfd\xfe\xff", "????"},
      {"\x82\x20x", "? x"},  // a lead byte whose second byte is invalid: the second byte stays
      {"ab\x82", "ab?"},     // a lead byte cut off at the end
  };
  for (const Case& c : cp932_cases) {
    EXPECT_EQ(Cp932ToUtf8(c.from), c.lossy);
    EXPECT_FALSE(Cp932ToUtf8Exactly(c.from).has_value());
  }
  const std::vector<Case> utf8_cases = {
      {"café", "caf?"},          // no é in code page 932
      {"a\xffz", "a?z"},         // not UTF-8 at all
      {"\xe3\x81", "?"},         // a sequence cut off at the end
      {"😀!", "?!"},             // four bytes, one character
  };
  for (const Case& c : utf8_cases) {
    EXPECT_EQ(Utf8ToCp932(c.from), c.lossy);
    EXPECT_FALSE(Utf8ToCp932Exactly(c.from).has_value());
  }
  EXPECT_EQ(Cp932ToUtf8KeepingInvalidBytes("\x93\xfa\x80"), "日\x80");
}

TEST(CodePageTest, SourceTextsBecomeCp932Once) {
  const std::string& first = Cp932Text("作業終了");
  EXPECT_EQ(first, "\x8d\xec\x8b\xc6\x8f\x49\x97\xb9");
  EXPECT_EQ(&Cp932Text("作業終了"), &first);  // converted once, kept
  EXPECT_EQ(ApplicationTitle(),
            "Windows \x83\x41\x83\x76\x83\x8a\x83\x50\x81\x5b\x83\x56\x83\x87\x83\x93 INDEXER");
}

TEST(ShiftJisTest, UpperCasingChangesAsciiLettersOnly) {
  struct Case {
    std::string text;
    std::string upper;
  };
  const std::vector<Case> cases = {
      {"c:\\dic\\feng5a.txt", "C:\\DIC\\FENG5A.TXT"},
      {"\x83\x61", "\x83\x61"},            // ヂ: its second byte 'a' is not a letter
      {"a\x83\x61z", "A\x83\x61Z"},
      {"\xb1\xb2x", "\xb1\xb2X"},          // half-width katakana are single bytes
      {"x\x83", "X\x83"},                  // a lone lead byte at the end
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    UpperCaseInPlace(text);
    EXPECT_EQ(text, c.upper);
  }
  EXPECT_TRUE(EqualIgnoringCase("FileID", "FILEID"));
  EXPECT_FALSE(EqualIgnoringCase("\x83\x41", "\x83\x61"));  // ア and ヂ differ
}

}  // namespace
}  // namespace platform

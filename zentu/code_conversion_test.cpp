#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "zentu/test_text.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

using testing::ExactText;

struct ConversionCase {
  std::string in;
  std::string out;  // every byte of the buffer afterwards, NULs written inside included
};

TEST(EucToShiftJisTest, ConvertsPairsInPlace) {
  const ConversionCase cases[] = {
      {"\xA4\xA2", "\x82\xA0"},                          // hiragana a
      {"\xB0\xA1", "\x88\x9F"},                          // the first kanji
      {"\xA5\xA2", "\x83\x41"},                          // katakana a
      {"\xE0\xA1", "\xE0\x9F"},                          // a row above 0x5E
      {"abc \xA4\xA2\xA4\xA4!", "abc \x82\xA0\x82\xA2!"},
      {std::string("A\x8E\xB1" "B"), std::string("A\0\0B", 4)},  // half-width kana ends the text
      {std::string("\xA4\x41z"), std::string("\0\0z", 3)},       // second byte below 0xA1
      {std::string("\x90\xA1"), std::string("\0\0", 2)},         // 0x90-0x9F start no code
      {std::string("x\xA4"), std::string("x\0", 2)},             // a pair cut by the end
      {"\x8F\xB0\xA1", "\x8F\x88\x9F"},   // 0x8F stays; the next two bytes are a pair
      {"\xA0\x80\x8D\xFF", "\xA0\x80\x8D\xFF"},  // bytes that start no pair
  };
  for (const ConversionCase& c : cases) {
    ExactText text(c.in);
    EXPECT_EQ(_euc2sjis(text.data()), text.data());
    EXPECT_EQ(text.bytes(), c.out) << c.in;
  }
}

// Every JIS X 0208 character that the host's converters know comes out as they convert it.
TEST(EucToShiftJisTest, AgreesWithTheHostConverterOnEveryCharacter) {
  iconv_t cd = iconv_open("SHIFT_JIS", "EUC-JP");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  int compared = 0;
  for (int first = 0xA1; first <= 0xFE; ++first) {
    for (int second = 0xA1; second <= 0xFE; ++second) {
      char in[2] = {static_cast<char>(first), static_cast<char>(second)};
      char expected[8];
      char* in_bytes = in;
      char* out_bytes = expected;
      std::size_t in_left = 2, out_left = sizeof expected;
      if (iconv(cd, &in_bytes, &in_left, &out_bytes, &out_left) == static_cast<std::size_t>(-1)) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        continue;  // a code without a character
      }
      ExactText text(std::string(in, 2));
      _euc2sjis(text.data());
      ASSERT_EQ(text.bytes(), std::string(expected, static_cast<std::size_t>(out_bytes - expected)))
          << std::hex << first << " " << second;
      ++compared;
    }
  }
  iconv_close(cd);
  EXPECT_GT(compared, 6000);
}

TEST(JisToShiftJisTest, ConvertsDoubleByteSegmentsInPlace) {
  const ConversionCase cases[] = {
      {"\x1B$B\x30\x21\x1B(Bx", "\x88\x9Fx"},
      {"a\x1B$@\x24\x22\x24\x24\x1B(Jb", "a\x82\xA0\x82\xA2" "b"},
      {"\x1B$B\x24\x22\x1B(B \x1B$B\x24\x24\x1B(B", "\x82\xA0 \x82\xA2"},
      {"\x1B$B\x30\x21", "\x88\x9F"},             // the text ends inside a segment
      {"\x1B$B\x30\x21\x30", "\x88\x9F"},         // a lone last byte is dropped
      {"\x1B$B\x30\x0A\x1B(Bx", ""},               // a line end inside a segment ends the text
      {"\x1B$B\x1B(Bx", ""},                        // a segment is at least one pair long
      {"a\x1B$B", "a"},
      {"\x1B(I1\x1B$Ax", "\x1B(I1\x1B$Ax"},         // other escape sequences are ordinary bytes
      {"plain", "plain"},
  };
  for (const ConversionCase& c : cases) {
    ExactText text(c.in);
    EXPECT_EQ(_jis2sjis(text.data()), text.data());
    EXPECT_EQ(text.str(), c.out) << c.in;
  }
}

TEST(JisToShiftJisTest, AgreesWithTheEucConversionOnEveryCode) {
  for (int first = 0x21; first <= 0x7E; ++first) {
    for (int second = 0x21; second <= 0x7E; ++second) {
      ExactText jis(std::string("\x1B$B") + static_cast<char>(first) + static_cast<char>(second) +
                    "\x1B(B");
      ExactText euc(std::string{static_cast<char>(first | 0x80), static_cast<char>(second | 0x80)});
      ASSERT_EQ(std::string(_jis2sjis(jis.data())), std::string(_euc2sjis(euc.data())))
          << std::hex << first << " " << second;
    }
  }
}

// Whatever the bytes, nothing past the terminating NUL is read or written (the buffers end
// right after it), and the text never grows.
TEST(CodeConversionTest, StaysInsideTheTextForEveryPairOfBytes) {
  for (int first = 1; first < 256; ++first) {
    for (int second = 1; second < 256; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      for (const std::string& in : {pair, pair.substr(0, 1), "\x1B$B" + pair, "\x1B$B" + pair.substr(0, 1)}) {
        ExactText euc(in);
        EXPECT_LE(std::string(_euc2sjis(euc.data())).size(), in.size());
        ExactText jis(in);
        EXPECT_LE(std::string(_jis2sjis(jis.data())).size(), in.size());
      }
    }
  }
}

}  // namespace
}  // namespace zentu

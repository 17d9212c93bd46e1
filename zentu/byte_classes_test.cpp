#include "zentu/byte_classes.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cctype>
#include <cerrno>

namespace zentu {
namespace {

// Below 0x80 the classes are those of the C library in the "C" locale; above, none applies.
TEST(ByteClassesTest, AsciiClassesAgreeWithTheCLibrary) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const unsigned char c = static_cast<unsigned char>(b);
    const bool ascii = b < 0x80;
    EXPECT_EQ(IsWhiteSpace(c), ascii && std::isspace(b) != 0);
    EXPECT_EQ(IsPunctuation(c), ascii && std::ispunct(b) != 0);
    EXPECT_EQ(IsDigit(c), ascii && std::isdigit(b) != 0);
    EXPECT_EQ(IsUpperCase(c), ascii && std::isupper(b) != 0);
    EXPECT_EQ(IsLowerCase(c), ascii && std::islower(b) != 0);
    EXPECT_EQ(IsSeparator(c), IsWhiteSpace(c) || IsPunctuation(c));
    EXPECT_EQ(IsAlphanumeric(c), ascii && std::isalnum(b) != 0);
  }
}

// The lead bytes are exactly the bytes that the host's code page 932 converter reads as the
// incomplete start of a character.
TEST(ByteClassesTest, LeadBytesAreThoseThatCodePage932ReadsAsIncomplete) {
  for (int b = 0x01; b < 256; ++b) {
    SCOPED_TRACE(b);
    iconv_t cd = iconv_open("UTF-8", "CP932");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in[1] = {static_cast<char>(b)};
    char out[8];
    char* in_bytes = in;
    char* out_bytes = out;
    std::size_t in_left = 1, out_left = sizeof out;
    const bool incomplete =
        iconv(cd, &in_bytes, &in_left, &out_bytes, &out_left) == static_cast<std::size_t>(-1) &&
        errno == EINVAL;
    iconv_close(cd);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), incomplete);
  }
}

TEST(ByteClassesTest, ALeadByteBeforeTheEndIsACharacterOfOneByte) {
  const unsigned char text[] = {0x93, 0xFA, 0x93, 0x00};
  EXPECT_EQ(CharacterLength(text), 2);
  EXPECT_EQ(CharacterLength(text + 2), 1);
}

}  // namespace
}  // namespace zentu

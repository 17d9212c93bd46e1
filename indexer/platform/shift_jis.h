#ifndef INDEXER_PLATFORM_SHIFT_JIS_H_
#define INDEXER_PLATFORM_SHIFT_JIS_H_

#include <string>
#include <string_view>

namespace platform {

// Byte rules of code page 932 that the program shares: which bytes begin a double-byte
// character, which bytes are white space, and the system's upper-casing, which changes ASCII
// letters only.

// 0x81-0x9F and 0xE0-0xFC begin a double-byte character; the byte after such a lead byte is
// its second byte, whatever its value (it may be 0x5C, the backslash, or 0x5D, ']').
inline bool IsLeadByte(char byte) {
  unsigned char b = static_cast<unsigned char>(byte);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Number of bytes of the character that starts at `text[at]`: 2 for a lead byte that has a
// byte after it, else 1.
inline std::size_t CharacterLengthAt(std::string_view text, std::size_t at) {
  return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

// White space as the C library sees it: 0x09-0x0D and 0x20. No other byte, and no byte of a
// double-byte character's range, is white space.
inline bool IsWhiteSpace(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

// Upper-cases in place: ASCII a-z become A-Z; both bytes of a double-byte character are left
// as they are, even a second byte in a-z.
void UpperCaseInPlace(std::string& text);
std::string UpperCased(std::string_view text);

// Equality with ASCII letter case ignored; double-byte characters must match byte for byte.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace platform

#endif  // INDEXER_PLATFORM_SHIFT_JIS_H_

#ifndef ZENTU_BYTE_CLASSES_H_
#define ZENTU_BYTE_CLASSES_H_

#include <array>
#include <cstdint>

namespace zentu {

// The byte classes of code page 932 text that every routine of the library uses. They are fixed:
// they never change at run time and do not depend on the system's code page.
//   lead byte    0x81-0x9F, 0xE0-0xFC: starts a double-byte character with the byte after it;
//   trail byte   0x40-0x7E, 0x80-0xFC: a legal second byte;
//   ASCII classes (white space, punctuation, digit, upper- and lower-case letter) for bytes
//   below 0x80; bytes 0x80-0xFF belong to none of them.
enum ByteClass : std::uint8_t {
  kLeadByte = 1 << 0,
  kTrailByte = 1 << 1,
  kWhiteSpace = 1 << 2,
  kPunctuation = 1 << 3,
  kDigit = 1 << 4,
  kUpperCase = 1 << 5,
  kLowerCase = 1 << 6,
};

constexpr std::array<std::uint8_t, 256> MakeByteClassTable() {
  std::array<std::uint8_t, 256> table{};
  for (int b = 0; b < 256; ++b) {
    std::uint8_t classes = 0;
    if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) classes |= kLeadByte;
    if ((b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC)) classes |= kTrailByte;
    if ((b >= 0x09 && b <= 0x0D) || b == 0x20) classes |= kWhiteSpace;
    if ((b >= 0x21 && b <= 0x2F) || (b >= 0x3A && b <= 0x40) || (b >= 0x5B && b <= 0x60) ||
        (b >= 0x7B && b <= 0x7E)) {
      classes |= kPunctuation;
    }
    if (b >= 0x30 && b <= 0x39) classes |= kDigit;
    if (b >= 0x41 && b <= 0x5A) classes |= kUpperCase;
    if (b >= 0x61 && b <= 0x7A) classes |= kLowerCase;
    table[b] = classes;
  }
  return table;
}

// The one table, indexed by byte value.
inline constexpr std::array<std::uint8_t, 256> kByteClasses = MakeByteClassTable();

inline bool Is(unsigned char byte, std::uint8_t classes) { return (kByteClasses[byte] & classes) != 0; }

inline bool IsLeadByte(unsigned char byte) { return Is(byte, kLeadByte); }
inline bool IsTrailByte(unsigned char byte) { return Is(byte, kTrailByte); }
inline bool IsWhiteSpace(unsigned char byte) { return Is(byte, kWhiteSpace); }
inline bool IsPunctuation(unsigned char byte) { return Is(byte, kPunctuation); }
inline bool IsDigit(unsigned char byte) { return Is(byte, kDigit); }
// White space or punctuation.
inline bool IsSeparator(unsigned char byte) { return Is(byte, kWhiteSpace | kPunctuation); }
inline bool IsAsciiLetter(unsigned char byte) { return Is(byte, kUpperCase | kLowerCase); }
// A digit or an ASCII letter.
inline bool IsAlphanumeric(unsigned char byte) {
  return Is(byte, kDigit | kUpperCase | kLowerCase);
}
inline bool IsUpperCase(unsigned char byte) { return Is(byte, kUpperCase); }
inline bool IsLowerCase(unsigned char byte) { return Is(byte, kLowerCase); }

// The length of the character that starts at `text`: 2 for a lead byte followed by any byte but
// the terminating NUL, else 1. A lead byte just before the NUL is a character of one byte, so a
// walk by characters never steps over the end of the text.
inline int CharacterLength(const unsigned char* text) {
  return IsLeadByte(text[0]) && text[1] != 0 ? 2 : 1;
}

inline const unsigned char* Bytes(const char* text) {
  return reinterpret_cast<const unsigned char*>(text);
}
inline unsigned char* Bytes(char* text) { return reinterpret_cast<unsigned char*>(text); }

}  // namespace zentu

#endif  // ZENTU_BYTE_CLASSES_H_

// Case mapping of ASCII letters inside Shift-JIS text, the position tests for double-byte
// characters and the character classes.

#include <cstring>

#include "zentu/byte_classes.h"
#include "zentu/double_byte_support.h"
#include "zentu/zentu.h"

using namespace zentu;

namespace {

// Walks text by characters and changes the single-byte characters of class `from` by `delta`.
// The second byte of a double-byte character is never looked at.
char* FoldAsciiLetters(char* text, std::uint8_t from, int delta) {
  unsigned char* p = Bytes(text);
  while (*p != 0) {
    if (IsLeadByte(*p)) {
      if (p[1] == 0) break;
      p += 2;
      continue;
    }
    if (Is(*p, from)) *p = static_cast<unsigned char>(*p + delta);
    ++p;
  }
  return text;
}

// The class of a double-byte code: high byte first.
int DoubleByteClass(unsigned char high, unsigned char low) {
  const unsigned code = static_cast<unsigned>(high) << 8 | low;
  const bool supported = DoubleByteSupport();
  const bool legal = IsLeadByte(high) && IsTrailByte(low);
  if (supported && legal &&
      ((code >= 0x889F && code <= 0x9872) || (code >= 0x989F && code <= 0xEA9E))) {
    return 5;  // kanji, JIS levels 1 and 2
  }
  if (supported && code >= 0x829F && code <= 0x82F1) return 4;  // hiragana
  if (code == 0x815B || (supported && code >= 0x8340 && code <= 0x8396 && code != 0x837F)) {
    return 3;  // katakana and the prolonged sound mark
  }
  if (code >= 0x824F && code <= 0x8294) return 6;  // full-width digits and letters
  if (supported && legal && code <= 0x889E) return 7;  // other symbols
  return 10;
}

int SingleByteClass(unsigned char c) {
  if (IsPunctuation(c) || (c >= 0xA1 && c <= 0xA5)) return 1;
  if (IsAlphanumeric(c)) return 0;
  if (c >= 0xA6 && c <= 0xDF) return 2;
  return 9;
}

}  // namespace

extern "C" ZENTU_API char* _mbstrupr(char* text) { return FoldAsciiLetters(text, kLowerCase, -0x20); }

extern "C" ZENTU_API char* _mbstrlwr(char* text) { return FoldAsciiLetters(text, kUpperCase, 0x20); }

extern "C" ZENTU_API char* _mbstrconv(char* text) { return text; }

extern "C" ZENTU_API int _is_nth_kanji(int position, const char* text) {
  if (position < 0) return 1;
  const unsigned char* bytes = Bytes(text);
  int i = 0;
  while (i < position) {
    if (bytes[i] == 0) return 1;
    i += CharacterLength(bytes + i);
  }
  return i == position && IsLeadByte(bytes[i]) ? 0 : 1;
}

extern "C" ZENTU_API int _is_nth_kanji2(int position, const char* text) {
  if (position <= 0) return 1;
  const unsigned char* bytes = Bytes(text);
  int i = 0;
  while (i < position - 1) {
    if (bytes[i] == 0) return 1;
    i += CharacterLength(bytes + i);
  }
  return i == position - 1 && IsLeadByte(bytes[i]) && IsTrailByte(bytes[i + 1]) ? 0 : 1;
}

extern "C" ZENTU_API int _qvx_nthctype(int position, const char* text) {
  const unsigned char* bytes = Bytes(text);
  if (bytes[0] == 0) return 11;
  // Outside the text there is nothing to read: such a position is taken as the NUL.
  const std::size_t wanted = static_cast<std::size_t>(position);
  if (position < 0 || strnlen(text, wanted) < wanted) return 9;
  if (_is_nth_kanji(position, text) == 0) {
    return DoubleByteClass(bytes[position], bytes[position + 1]);
  }
  if (_is_nth_kanji2(position, text) == 0) {
    return DoubleByteClass(bytes[position - 1], bytes[position]);
  }
  return SingleByteClass(bytes[position]);
}

// The delimiter tokenizer _mbstrtok and the blank-trimming copies _mbdelspace1 and _mbdelspace3.

#include <cstring>

#include "zentu/byte_classes.h"
#include "zentu/zentu.h"

using namespace zentu;

namespace {

// Where the next _mbstrtok(NULL) continues, or null. One per process, apart from the scan
// position of _strword.
unsigned char* token_position = nullptr;

bool AtEnd(const unsigned char* p) { return p[0] == 0 || (IsLeadByte(p[0]) && p[1] == 0); }

// Whether the character at p, `length` bytes long, is one of the characters of delimiters.
bool IsDelimiter(const unsigned char* p, int length, const unsigned char* delimiters) {
  for (const unsigned char* d = delimiters; !AtEnd(d); d += CharacterLength(d)) {
    const int delimiter_length = CharacterLength(d);
    if (delimiter_length == length && d[0] == p[0] && (length == 1 || d[1] == p[1])) return true;
  }
  return false;
}

}  // namespace

extern "C" ZENTU_API char* _mbstrtok(char* text, const char* delimiters) {
  const unsigned char* set = Bytes(delimiters);
  unsigned char* p = text != nullptr ? Bytes(text) : token_position;
  if (p == nullptr) return nullptr;

  while (!AtEnd(p) && IsDelimiter(p, CharacterLength(p), set)) p += CharacterLength(p);
  if (AtEnd(p)) return nullptr;  // nothing but delimiters; the token position stays

  unsigned char* const start = p;
  for (; !AtEnd(p); p += CharacterLength(p)) {
    const int length = CharacterLength(p);
    if (IsDelimiter(p, length, set)) {
      std::memset(p, 0, static_cast<std::size_t>(length));
      token_position = p + length;
      return reinterpret_cast<char*>(start);
    }
  }
  token_position = nullptr;
  return reinterpret_cast<char*>(start);
}

extern "C" ZENTU_API char* _mbdelspace1(char* out, const char* text) {
  const unsigned char* p = Bytes(text);
  for (;;) {
    if (p[0] == 0x20) {
      ++p;
    } else if (p[0] == 0x81 && p[1] == 0x40) {  // the double-byte space
      p += 2;
    } else {
      break;
    }
  }
  std::memmove(out, p, std::strlen(reinterpret_cast<const char*>(p)) + 1);
  return out;
}

extern "C" ZENTU_API char* _mbdelspace3(char* out, const char* text) {
  const unsigned char* in = Bytes(text);
  unsigned char* to = Bytes(out);  // never ahead of `in` when out is text
  while (*in != 0) {
    if (CharacterLength(in) == 2) {
      const unsigned char first = in[0];
      const unsigned char second = in[1];
      to[0] = first;
      to[1] = second;
      to += 2;
      in += 2;
    } else if (IsWhiteSpace(*in)) {
      *to++ = *in++;
      while (IsWhiteSpace(*in)) ++in;
    } else {
      *to++ = *in++;
    }
  }
  *to = 0;
  return out;
}

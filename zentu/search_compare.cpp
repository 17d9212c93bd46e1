// Searches (Boyer-Moore over plain bytes, and a character-wise substring search), the
// character-wise reversal and the byte comparisons.

#include "zentu/search_compare.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "zentu/byte_classes.h"
#include "zentu/zentu.h"

using namespace zentu;

namespace {

// The Boyer-Moore table of the last _bminitialize, one per process. A pattern length of -1
// means no table has been prepared yet.
std::int32_t skip_table[256];
std::int32_t pattern_length = -1;

// True at the end of a string: its NUL, or a lead byte just before it.
bool AtEnd(const unsigned char* p) { return p[0] == 0 || (IsLeadByte(p[0]) && p[1] == 0); }

int FoldToLower(unsigned char c) { return IsUpperCase(c) ? c + 0x20 : c; }

// The byte comparison behind _mbstrncmp and _mbstrnicmp: at most `count` bytes, no limit when
// count is negative.
template <typename Fold>
int CompareBytes(const char* text1, const char* text2, int count, Fold fold) {
  const unsigned char* a = Bytes(text1);
  const unsigned char* b = Bytes(text2);
  for (std::int64_t i = 0; count < 0 || i < count; ++i) {
    const int x = fold(a[i]);
    const int y = fold(b[i]);
    if (x != y) return x - y;
    if (x == 0) return 0;
  }
  return 0;
}

}  // namespace

namespace zentu {

void ForgetBoyerMooreTable() { pattern_length = -1; }

}  // namespace zentu

extern "C" ZENTU_API int _bminitialize(const char* pattern) {
  const std::size_t length = std::strlen(pattern);
  const std::int32_t m = length > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(length);
  for (std::int32_t& skip : skip_table) skip = m;
  const unsigned char* bytes = Bytes(pattern);
  for (std::int32_t i = 0; i < m; ++i) skip_table[bytes[i]] = m - 1 - i;
  pattern_length = m;
  return 0;
}

extern "C" ZENTU_API char* _bmstrstr(const char* text, const char* pattern) {
  const std::int32_t m = pattern_length;
  if (m < 0) return nullptr;  // no table yet
  // The table only fits the pattern it was prepared for; one of another length could send the
  // comparison past either string's end.
  if (strnlen(pattern, static_cast<std::size_t>(m) + 1) != static_cast<std::size_t>(m)) {
    return nullptr;
  }
  if (m == 0) return const_cast<char*>(text);

  const unsigned char* t = Bytes(text);
  const unsigned char* p = Bytes(pattern);
  const std::int64_t n = static_cast<std::int64_t>(std::strlen(text));
  std::int64_t i = m - 1;
  while (i < n) {
    std::int64_t j = m - 1;
    while (t[i] == p[j]) {
      if (j == 0) return const_cast<char*>(text + i);
      --i;
      --j;
    }
    i += std::max<std::int64_t>(m - j, skip_table[t[i]]);
  }
  return nullptr;
}

extern "C" ZENTU_API char* _mbstrstr(const char* text, const char* needle) {
  const unsigned char* n = Bytes(needle);
  if (AtEnd(n)) return const_cast<char*>(text);
  for (const unsigned char* candidate = Bytes(text); !AtEnd(candidate);
       candidate += CharacterLength(candidate)) {
    const unsigned char* t = candidate;
    const unsigned char* k = n;
    for (;;) {
      if (AtEnd(k)) return reinterpret_cast<char*>(const_cast<unsigned char*>(candidate));
      if (AtEnd(t)) return nullptr;  // the rest of the text is shorter than the needle
      const int length = CharacterLength(k);
      if (t[0] != k[0] || (length == 2 && t[1] != k[1])) break;
      t += length;
      k += length;
    }
  }
  return nullptr;
}

extern "C" ZENTU_API char* _mbstrrev(char* text) {
  unsigned char* p = Bytes(text);
  std::size_t length = 0;
  while (p[length] != 0) {
    if (IsLeadByte(p[length]) && IsTrailByte(p[length + 1])) {
      std::swap(p[length], p[length + 1]);
      length += 2;
    } else {
      ++length;
    }
  }
  std::reverse(p, p + length);
  return text;
}

extern "C" ZENTU_API int _mbstrcmp(const char* text1, const char* text2) {
  const int difference = std::strcmp(text1, text2);  // compares as unsigned char
  return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

extern "C" ZENTU_API int _mbstricmp(const char* text1, const char* text2) {
  return CompareBytes(text1, text2, -1, FoldToLower);
}

extern "C" ZENTU_API int _mbstrncmp(const char* text1, const char* text2, int count) {
  return CompareBytes(text1, text2, count, [](unsigned char c) { return static_cast<int>(c); });
}

extern "C" ZENTU_API int _mbstrnicmp(const char* text1, const char* text2, int count) {
  return CompareBytes(text1, text2, count, FoldToLower);
}

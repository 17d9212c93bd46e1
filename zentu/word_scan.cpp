// _strword: cuts Shift-JIS text into words, one word per call, in place.

#include "zentu/word_scan.h"

#include "zentu/byte_classes.h"
#include "zentu/zentu.h"

namespace zentu {
namespace {

// Where the next _strword(NULL) continues: a pointer into the caller's text, or null when no
// scan is in progress. One per process.
unsigned char* scan_position = nullptr;

}  // namespace

void ResetWordScan() { scan_position = nullptr; }

}  // namespace zentu

using namespace zentu;

extern "C" ZENTU_API char* _strword(char* text) {
  unsigned char* p;
  if (text != nullptr) {
    if (text[0] == '\0') return nullptr;  // a scan in progress is left as it was
    p = Bytes(text);
  } else {
    if (scan_position == nullptr || *scan_position == 0) {
      scan_position = nullptr;
      return nullptr;
    }
    p = scan_position;
  }

  while (IsSeparator(*p)) ++p;
  unsigned char* const start = p;  // may be the terminating NUL: an empty word

  for (;;) {
    const unsigned char c = *p;
    if (c == 0) break;
    if (IsLeadByte(c)) {
      if (p[1] == 0) break;  // a lead byte just before the NUL is the word's last byte
      p += 2;                // the second byte belongs to the word, whatever it is
      continue;
    }
    if (!IsSeparator(c)) {
      ++p;
      continue;
    }
    // A separator is never the word's first byte, so p[-1] is inside the word; p[1] is at most
    // the terminating NUL, which belongs to no class.
    if (c == '\'' && IsAsciiLetter(p[-1]) && IsAsciiLetter(p[1])) {
      ++p;  // it's, O'Neil's
      continue;
    }
    if (IsDigit(p[-1]) && IsDigit(p[1])) {
      ++p;  // 3.14, 1,000, 12:30
      continue;
    }
    *p = 0;
    scan_position = p + 1;
    return reinterpret_cast<char*>(start);
  }
  scan_position = nullptr;
  return reinterpret_cast<char*>(start);
}

// EUC-JP and 7-bit JIS (ISO-2022-JP) to Shift-JIS, in place. Both walks look at a byte only
// after seeing that the byte before it is not the terminating NUL, and never write beyond the
// bytes they have read, so nothing past the end of the text is touched whatever the bytes are.

#include "zentu/zentu.h"

namespace {

constexpr unsigned char kEscape = 0x1B;

bool IsJisByte(unsigned c) { return c >= 0x21 && c <= 0x7E; }

// Writes the Shift-JIS form of the JIS X 0208 code (first, second) to out[0] and out[1]: two NULs
// when either byte lies outside 0x21-0x7E. Returns false in that case.
bool JisToShiftJis(unsigned first, unsigned second, unsigned char* out) {
  if (!IsJisByte(first) || !IsJisByte(second)) {
    out[0] = 0;
    out[1] = 0;
    return false;
  }
  out[0] = static_cast<unsigned char>(((first + 1) >> 1) + (first <= 0x5E ? 0x70 : 0xB0));
  if (first & 1) {
    out[1] = static_cast<unsigned char>(second + (second < 0x60 ? 0x1F : 0x20));
  } else {
    out[1] = static_cast<unsigned char>(second + 0x7E);
  }
  return true;
}

bool StartsEucPair(unsigned char c) { return c >= 0x8E && c <= 0xFE && c != 0x8F && c != 0xA0; }

bool IsEscape(const unsigned char* p, unsigned char second, unsigned char third1,
              unsigned char third2) {
  return p[0] == kEscape && p[1] == second && (p[2] == third1 || p[2] == third2);
}

}  // namespace

extern "C" ZENTU_API char* _euc2sjis(char* text) {
  unsigned char* p = reinterpret_cast<unsigned char*>(text);
  while (*p != 0) {
    if (!StartsEucPair(*p)) {
      ++p;
      continue;
    }
    if (p[1] == 0) {  // a pair cut by the end of the text
      *p = 0;
      break;
    }
    // Subtracting 0x8080 from the pair, high byte first; a second byte below 0x80 borrows from
    // the first and lands outside the JIS range either way.
    const unsigned code = ((static_cast<unsigned>(p[0]) << 8) | p[1]) - 0x8080u;
    if (!JisToShiftJis(code >> 8, code & 0xFF, p)) break;  // two NULs end the text
    p += 2;
  }
  return text;
}

extern "C" ZENTU_API char* _jis2sjis(char* text) {
  const unsigned char* in = reinterpret_cast<unsigned char*>(text);
  unsigned char* out = reinterpret_cast<unsigned char*>(text);  // never ahead of `in`
  bool double_byte = false;
  while (*in != 0) {
    if (!double_byte) {
      if (IsEscape(in, '$', '@', 'B')) {  // ESC $ @, ESC $ B: a double-byte segment starts
        in += 3;
        double_byte = true;
      } else {
        *out++ = *in++;
      }
      continue;
    }
    if (in[1] == 0) break;  // a single byte left over at the end is dropped
    const unsigned first = in[0];
    const unsigned second = in[1];
    in += 2;
    if (!JisToShiftJis(first, second, out)) {
      out += 2;  // the two NULs end the text
      break;
    }
    out += 2;
    if (IsEscape(in, '(', 'J', 'B')) {  // ESC ( J, ESC ( B: back to single bytes
      in += 3;
      double_byte = false;
    }
  }
  *out = 0;
  return text;
}

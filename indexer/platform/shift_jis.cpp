#include "platform/shift_jis.h"

namespace platform {

void UpperCaseInPlace(std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i])) {
      ++i;  // skip the second byte too
    } else if (text[i] >= 'a' && text[i] <= 'z') {
      text[i] = static_cast<char>(text[i] - 'a' + 'A');
    }
  }
}

std::string UpperCased(std::string_view text) {
  std::string copy(text);
  UpperCaseInPlace(copy);
  return copy;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Upper-casing is position-dependent only through lead bytes, which are the same in both
  // strings wherever they still agree, so comparing byte by byte while tracking them is exact.
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (IsLeadByte(x)) {
      if (x != y || i + 1 >= a.size()) return x == y;
      ++i;
      if (a[i] != b[i]) return false;
      continue;
    }
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace platform

#include "store/word_order.h"

#include <algorithm>

#include "platform/shift_jis.h"

namespace store {

namespace {

unsigned char FoldSingleByte(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + 0x20) : byte;
}

}  // namespace

int CompareWords(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  bool second_byte = false;  // whether a[i] and b[i] are second bytes of double-byte characters
  for (std::size_t i = 0; i < common; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (second_byte) {
      second_byte = false;
    } else {
      second_byte = platform::IsLeadByte(static_cast<char>(x));
      x = FoldSingleByte(x);
      y = FoldSingleByte(y);
    }
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::size_t HashWord(std::string_view word) {
  // 64-bit FNV-1a over the bytes as CompareWords sees them.
  std::size_t hash = 14695981039346656037ull;
  bool second_byte = false;
  for (char c : word) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (second_byte) {
      second_byte = false;
    } else {
      second_byte = platform::IsLeadByte(static_cast<char>(byte));
      byte = FoldSingleByte(byte);
    }
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  return hash;
}

std::uint64_t WordOrderPrefix(std::string_view word) {
  std::uint64_t prefix = 0;
  bool second_byte = false;
  for (std::size_t i = 0; i < 8; ++i) {
    unsigned char byte = 0;
    if (i < word.size()) {
      byte = static_cast<unsigned char>(word[i]);
      if (second_byte) {
        second_byte = false;
      } else {
        second_byte = platform::IsLeadByte(static_cast<char>(byte));
        byte = FoldSingleByte(byte);
      }
    }
    prefix = (prefix << 8) | byte;
  }
  return prefix;
}

}  // namespace store

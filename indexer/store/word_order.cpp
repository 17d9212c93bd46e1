#include "store/word_order.h"

#include <algorithm>

namespace store {

int CompareWords(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char x = FoldForWordOrder(static_cast<unsigned char>(a[i]));
    const unsigned char y = FoldForWordOrder(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::size_t HashWord(std::string_view word) {
  // 64-bit FNV-1a over the folded bytes.
  std::size_t hash = 14695981039346656037ull;
  for (char c : word) {
    hash ^= FoldForWordOrder(static_cast<unsigned char>(c));
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace store

#ifndef INDEXER_STORE_WORD_ORDER_H_
#define INDEXER_STORE_WORD_ORDER_H_

#include <cstddef>
#include <string_view>

namespace store {

// The order of words in the index tree. Two words are compared byte by byte as unsigned values
// after each byte 'A'-'Z' (0x41-0x5A) has been folded to its small letter; every other byte is
// compared as it is, so both bytes of a double-byte character keep their value even when one of
// them lies in 0x41-0x5A (0x83 0x41 and 0x83 0x61 are different words). The first differing byte
// decides; a word that is a prefix of another is the lesser (its terminating NUL compares below
// every byte of a word). Words that compare equal are the same word: 'Apple' and 'apple'.

inline unsigned char FoldForWordOrder(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + 0x20) : byte;
}

// Negative, zero or positive as `a` sorts before, with or after `b`.
int CompareWords(std::string_view a, std::string_view b);

// A hash of a word that agrees with CompareWords: words that are the same word hash alike.
std::size_t HashWord(std::string_view word);

struct WordLess {
  bool operator()(std::string_view a, std::string_view b) const { return CompareWords(a, b) < 0; }
};

struct WordHash {
  std::size_t operator()(std::string_view word) const { return HashWord(word); }
};

struct SameWord {
  bool operator()(std::string_view a, std::string_view b) const {
    return a.size() == b.size() && CompareWords(a, b) == 0;
  }
};

}  // namespace store

#endif  // INDEXER_STORE_WORD_ORDER_H_

#ifndef INDEXER_STORE_WORD_ORDER_H_
#define INDEXER_STORE_WORD_ORDER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace store {

// The order of words in the index tree. Two words are compared byte by byte as unsigned values
// after each single-byte ASCII capital 'A'-'Z' (0x41-0x5A) has been folded to its small letter.
// Every other byte is compared as it is, among them both bytes of a double-byte Shift-JIS
// character (a lead byte 0x81-0x9F or 0xE0-0xFC and the byte after it), even a second byte in
// 0x41-0x5A: katakana A (0x83 0x41) and DI (0x83 0x61) are different words. The first differing
// byte decides; a word that is a prefix of another is the lesser (its terminating NUL compares
// below every byte of a word). Words that compare equal are the same word: 'Apple' and 'apple'.
//
// Where two words first differ, both are at the same place of a character (lead, second or
// single byte): folding never turns a byte into or out of the lead-byte ranges, so equal
// prefixes are split into characters alike.

// Negative, zero or positive as `a` sorts before, with or after `b`.
int CompareWords(std::string_view a, std::string_view b);

// A hash of a word that agrees with CompareWords: words that are the same word hash alike.
std::size_t HashWord(std::string_view word);

// The first eight bytes of a word as CompareWords sees them (folded, zeros after the end), as a
// big-endian number: when two words' prefixes differ, they order the words as CompareWords does.
std::uint64_t WordOrderPrefix(std::string_view word);

struct WordLess {
  bool operator()(std::string_view a, std::string_view b) const { return CompareWords(a, b) < 0; }
};

struct WordHash {
  std::size_t operator()(std::string_view word) const { return HashWord(word); }
};

struct SameWord {
  bool operator()(std::string_view a, std::string_view b) const {
    return a.size() == b.size() && (a == b || CompareWords(a, b) == 0);  // mostly one spelling
  }
};

}  // namespace store

#endif  // INDEXER_STORE_WORD_ORDER_H_

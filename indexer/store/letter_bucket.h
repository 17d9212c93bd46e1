#ifndef INDEXER_STORE_LETTER_BUCKET_H_
#define INDEXER_STORE_LETTER_BUCKET_H_

#include <optional>
#include <string>
#include <string_view>

namespace store {

// A finished index is split by the first byte of each word into 28 letter buckets, numbered in
// the order in which consolidation writes them and the dump and the word list read them:
//   0      '_'  digits 0x30-0x39 and ASCII punctuation 0x21-0x2F, 0x3A-0x40, 0x5B-0x60, 0x7B-0x7E
//   1..26  'A'..'Z'  that letter in either case
//   27     '#'  everything else: 0x00-0x20, 0x7F and every byte from 0x80 up (double-byte lead
//               bytes, half-width katakana)
// Each bucket is stored as one letter index file named "$$TMP$$." plus its bucket character.
inline constexpr int kLetterBucketCount = 28;
inline constexpr std::string_view kLetterBucketCharacters = "_ABCDEFGHIJKLMNOPQRSTUVWXYZ#";

inline char LetterBucketCharacter(int bucket) { return kLetterBucketCharacters[bucket]; }

// The bucket of a word whose first byte is `first_byte`.
int LetterBucketOf(unsigned char first_byte);

// The bucket of `word`; the empty word's first byte is its terminating NUL, so it goes to '#'.
inline int LetterBucketOfWord(std::string_view word) {
  return LetterBucketOf(word.empty() ? 0 : static_cast<unsigned char>(word[0]));
}

// The bucket in which the test search looks for a keyword: as LetterBucketOf, except that a
// keyword beginning with a Shift-JIS lead byte (0x81-0x9F, 0xE0-0xFC) is not searched at all.
std::optional<int> SearchBucketOf(unsigned char first_byte);

// "$$TMP$$." followed by the bucket character: "$$TMP$$._", "$$TMP$$.A", ..., "$$TMP$$.#".
std::string LetterIndexFileName(int bucket);

}  // namespace store

#endif  // INDEXER_STORE_LETTER_BUCKET_H_

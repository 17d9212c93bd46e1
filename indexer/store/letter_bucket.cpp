#include "store/letter_bucket.h"

#include "platform/shift_jis.h"

namespace store {

int LetterBucketOf(unsigned char first_byte) {
  if (first_byte >= 'A' && first_byte <= 'Z') return 1 + (first_byte - 'A');
  if (first_byte >= 'a' && first_byte <= 'z') return 1 + (first_byte - 'a');
  if (first_byte >= 0x21 && first_byte <= 0x7E) return 0;  // digits and punctuation
  return kLetterBucketCount - 1;
}

std::optional<int> SearchBucketOf(unsigned char first_byte) {
  if (platform::IsLeadByte(static_cast<char>(first_byte))) return std::nullopt;
  return LetterBucketOf(first_byte);
}

std::string LetterIndexFileName(int bucket) {
  return std::string("$$TMP$$.") + LetterBucketCharacter(bucket);
}

}  // namespace store

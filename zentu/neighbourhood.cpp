// The word-boundary test _wordcheck and the search for a key near a word, _Rekkc.

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "zentu/byte_classes.h"
#include "zentu/work_copy.h"
#include "zentu/zentu.h"

using namespace zentu;

namespace {

// What a mode of _wordcheck rejects.
struct BoundaryRule {
  bool alphanumeric_before = false;
  bool alphanumeric_after = false;
  bool apostrophe_after = false;
  bool hyphen_after = false;
};

bool RuleOf(int mode, BoundaryRule& rule) {
  switch (mode) {
    case 1: rule = {true, true, false, false}; return true;
    case 2: rule = {true, false, false, false}; return true;
    case 3: rule = {false, true, false, false}; return true;
    case 11: rule = {true, true, true, false}; return true;
    case 13: rule = {false, true, true, false}; return true;
    case 21: rule = {true, true, false, true}; return true;
    case 23: rule = {false, true, false, true}; return true;
    case 31: rule = {true, true, true, true}; return true;
    case 33: rule = {false, true, true, true}; return true;
    default: return false;
  }
}

// The byte at `index` of text, or 0 when the index lies before the text or beyond its
// terminating NUL. Reads at most up to the NUL.
unsigned char ByteAt(const char* text, std::int64_t index) {
  if (index < 0) return 0;
  const std::size_t wanted = static_cast<std::size_t>(index);
  if (strnlen(text, wanted) < wanted) return 0;
  return static_cast<unsigned char>(text[wanted]);
}

enum class Direction { kForward, kBackward };

struct Range {
  Direction direction;
  bool within_sentence;
  bool checked;  // whether _wordcheck must pass at the occurrence
};

bool RangeOf(int range, Range& r) {
  switch (range) {
    case 1: r = {Direction::kForward, false, true}; return true;
    case 11: r = {Direction::kForward, true, true}; return true;
    case 0: r = {Direction::kForward, false, false}; return true;
    case -9: r = {Direction::kForward, true, true}; return true;
    case 2: r = {Direction::kBackward, false, true}; return true;
    case 12: r = {Direction::kBackward, true, true}; return true;
    case -1: r = {Direction::kBackward, false, true}; return true;
    case -10: r = {Direction::kBackward, true, true}; return true;
    default: return false;
  }
}

// Full-width capitals 0x8260-0x8279 become the small letters 0x8281-0x829A, in place.
void FoldFullWidthCapitals(unsigned char* text) {
  for (std::size_t i = 0; text[i] != 0;) {
    const int length = CharacterLength(text + i);
    if (length == 2 && text[i] == 0x82 && text[i + 1] >= 0x60 && text[i + 1] <= 0x79) {
      text[i + 1] = static_cast<unsigned char>(text[i + 1] + 0x21);
    }
    i += static_cast<std::size_t>(length);
  }
}

}  // namespace

extern "C" ZENTU_API int _wordcheck(int mode, const char* text, int position, int length) {
  if (mode == 0) return 0;
  BoundaryRule rule;
  if (!RuleOf(mode, rule)) return 1;
  const std::int64_t start = position;
  const unsigned char before = start > 0 ? ByteAt(text, start - 1) : 0;
  const unsigned char after = ByteAt(text, start + length);
  if (rule.alphanumeric_before && IsAlphanumeric(before)) return 1;
  if (rule.alphanumeric_after && IsAlphanumeric(after)) return 1;
  if (rule.apostrophe_after && after == '\'') return 1;
  if (rule.hyphen_after && after == '-') return 1;
  return 0;
}

extern "C" ZENTU_API int _Rekkc(int range, int fold, int check, int wordpos, int wordlen,
                                const char* text, const char* key) {
  const int hit = range > 0 ? 0 : 1;
  const int miss = 1 - hit;
  Range r;
  if (!RangeOf(range, r)) return miss;

  char work[ZENTU_REKKC_TEXT_MAX + 1];
  const std::size_t length = CopyToWorkBuffer(work, text, ZENTU_REKKC_TEXT_MAX);
  if (fold == 1) FoldFullWidthCapitals(Bytes(work));
  const std::size_t key_length = std::strlen(key);
  const int key_int = static_cast<int>(std::min<std::size_t>(key_length, INT32_MAX));

  if (r.direction == Direction::kForward) {
    // From the word's last byte.
    const std::int64_t from = static_cast<std::int64_t>(wordpos) + wordlen - 1;
    if (from < 0 || from > static_cast<std::int64_t>(length)) return miss;
    const char* start = work + from;
    const char* limit = r.within_sentence ? _getSF(0, start) : work + length;
    const char* found = std::strstr(start, key);
    if (!r.checked) return found != nullptr && found < limit ? hit : miss;
    for (; found != nullptr && found < limit; found = std::strstr(found + 1, key)) {
      if (_wordcheck(check, start, static_cast<int>(found - start), key_int) == 0) return hit;
    }
    return miss;
  }

  // Backward: search the text reversed character-wise, from the word's first byte.
  if (wordpos < 0 || static_cast<std::size_t>(wordpos) >= length) return miss;
  _mbstrrev(work);
  const char* start = work + length - static_cast<std::size_t>(wordpos) - 1;
  const char* limit = r.within_sentence ? _getSF(1, start) : work + length;
  for (const char* found = std::strstr(start, key); found != nullptr && found < limit;
       found = std::strstr(found + 1, key)) {
    // Where the same bytes lie in the caller's text.
    const std::size_t position = static_cast<std::size_t>(work + length - found) - key_length;
    if (_wordcheck(check, text, static_cast<int>(position), key_int) == 0) return hit;
  }
  return miss;
}

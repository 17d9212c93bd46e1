// Sentence ends (_getSF) and the word a given number of words before or after another
// (_gettoken).

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "zentu/byte_classes.h"
#include "zentu/word_scan.h"
#include "zentu/work_copy.h"
#include "zentu/zentu.h"

using namespace zentu;

namespace {

// The first position i in [0, length) for which accept(i) holds, or length.
template <typename Accept>
std::size_t FirstWhere(std::size_t length, Accept accept) {
  for (std::size_t i = 0; i < length; ++i) {
    if (accept(i)) return i;
  }
  return length;
}

// Copies `word` (the result of _strword, inside work) to out, or the empty string when there is
// no word or it starts after position `limit` of work.
void Deliver(const char* work, const char* word, std::ptrdiff_t limit, char* out) {
  if (word == nullptr || word - work > limit) {
    out[0] = '\0';
  } else {
    std::strcpy(out, word);
  }
}

}  // namespace

extern "C" ZENTU_API char* _getSF(int mode, const char* text) {
  const unsigned char* t = Bytes(text);
  const std::size_t length = std::strlen(text);
  std::size_t end = length;

  if (mode == 1) {
    if (const char* bar = std::strstr(text, " | ")) end = std::min(end, std::size_t(bar - text));
  }
  end = std::min(end, FirstWhere(length, [&](std::size_t i) {
                   return t[i] == ',' && ((i > 0 && t[i - 1] == '"') || t[i + 1] == '"');
                 }));
  if (const char* question = std::strchr(text, '?')) {
    end = std::min(end, std::size_t(question - text));
  } else if (const char* exclamation = std::strchr(text, '!')) {
    end = std::min(end, std::size_t(exclamation - text));
  }
  if (mode == 0) {
    end = std::min(end, FirstWhere(length, [&](std::size_t i) {
                     return t[i] == '.' && t[i + 1] == '"';
                   }));
  } else if (mode == 1) {
    end = std::min(end, FirstWhere(length, [&](std::size_t i) {
                     return t[i] == '.' && (i < 2 || t[i - 2] != '.');
                   }));
  }
  return const_cast<char*>(text + end);
}

extern "C" ZENTU_API int _gettoken(int count, int sentence, int wordpos, int offset,
                                   const char* text, char* out) {
  // Room for the cut text, its NUL, and the NUL the backward direction writes after the byte
  // that ends the word, which may be the text's own NUL.
  char work[ZENTU_GETTOKEN_TEXT_MAX + 2];
  const std::size_t length = CopyToWorkBuffer(work, text, ZENTU_GETTOKEN_TEXT_MAX);
  out[0] = '\0';
  ResetWordScan();  // never continue a scan of the caller's

  const std::int64_t at = static_cast<std::int64_t>(wordpos) + offset;
  if (at < 0 || at > static_cast<std::int64_t>(length)) return 0;  // outside the text

  // Step over the rest of the current word.
  char* p = work + at;
  while (IsAlphanumeric(static_cast<unsigned char>(*p)) ||
         (*p == '\'' && IsAsciiLetter(static_cast<unsigned char>(p[1])))) {
    ++p;
  }

  if (count > 0) {
    const std::ptrdiff_t limit = sentence == 1
                                     ? _getSF(0, work + at) - work
                                     : static_cast<std::ptrdiff_t>(length) - 1;
    const char* word = _strword(p);
    Deliver(work, word, limit, out);
    for (int i = 1; i < count && word != nullptr; ++i) {
      word = _strword(nullptr);
      Deliver(work, word, limit, out);
    }
  } else {
    // Keep the text up to and including the byte that ended the word, and read it backwards.
    p[1] = '\0';
    const std::ptrdiff_t reversed_length = static_cast<std::ptrdiff_t>(std::strlen(work));
    _mbstrrev(work);
    // The reversed text from the byte before the word.
    const std::ptrdiff_t before_word =
        std::clamp<std::ptrdiff_t>(reversed_length - wordpos, 0, reversed_length);
    const std::ptrdiff_t limit = sentence == 1 ? _getSF(1, work + before_word) - work
                                               : reversed_length - 1;
    const char* word = _strword(work);
    Deliver(work, word, limit, out);
    for (int i = count; i < 0 && word != nullptr; ++i) {
      word = _strword(nullptr);
      Deliver(work, word, limit, out);
    }
    _mbstrrev(out);
  }
  ResetWordScan();  // the scan position pointed into `work`
  return 0;
}

/* A C caller of libzentu: includes nothing of the library but zentu/zentu.h. Exits non-zero
 * when _strword or _mbstrlwr gives a wrong result. */
#include <stdio.h>
#include <string.h>

#include "zentu/zentu.h"

static int failures = 0;

static void expect(const char* what, const char* got, const char* want) {
  if (got == NULL || strcmp(got, want) != 0) {
    fprintf(stderr, "%s: got \"%s\", want \"%s\"\n", what, got ? got : "(null)", want);
    ++failures;
  }
}

int main(void) {
  /* "Hello, World" followed by a katakana word whose second byte is 0x5C. */
  char line[] = "Hello, World 3.14 \x83\x5C\x83\x74\x83\x67";
  const char* want[] = {"Hello", "World", "3.14", "\x83\x5C\x83\x74\x83\x67"};
  char* word = _strword(line);
  for (size_t i = 0; i < sizeof want / sizeof want[0]; ++i) {
    expect("_strword", word, want[i]);
    word = _strword(NULL);
  }
  if (word != NULL) {
    fprintf(stderr, "_strword: a word after the last one\n");
    ++failures;
  }

  char mixed[] = "ABC\x83\x41Z\xB1";
  expect("_mbstrlwr", _mbstrlwr(mixed), "abc\x83\x41z\xB1");
  return failures == 0 ? 0 : 1;
}

/*
 * zentu.h — the Shift-JIS (code page 932) string library libzentu.so.
 *
 * Every routine works on NUL-terminated byte strings that the caller owns. The library
 * allocates nothing for the caller: routines that change their input do so in place, and
 * routines that produce a new string write it into a buffer the caller supplies; each routine
 * below says how large that buffer must be.
 *
 * Byte classes, shared by every routine:
 *   lead byte   0x81-0x9F and 0xE0-0xFC; a lead byte and the byte after it form one
 *               double-byte character, whatever that second byte is;
 *   trail byte  0x40-0x7E and 0x80-0xFC;
 *   white space 0x09-0x0D and 0x20;  punctuation 0x21-0x2F, 0x3A-0x40, 0x5B-0x60, 0x7B-0x7E;
 *   digit 0x30-0x39;  letters 0x41-0x5A and 0x61-0x7A.
 * A separator byte is white space or punctuation; an alphanumeric byte is a digit or a letter.
 * Only ASCII letters are ever folded; double-byte characters are never changed by case mapping.
 *
 * State kept between calls (one copy per process, no locking): the scan position of _strword,
 * the token position of _mbstrtok and the Boyer-Moore table of _bminitialize. Routines that use
 * it must not run on two threads at once. The other routines keep no state.
 *
 * Positions count bytes from the start of a text, starting at 0. Routines whose result carries
 * no information return 0.
 */
#ifndef ZENTU_ZENTU_H_
#define ZENTU_ZENTU_H_

#if defined(__GNUC__)
#define ZENTU_API __attribute__((visibility("default")))
#else
#define ZENTU_API
#endif

/* _gettoken works on at most this many bytes of its text (the rest is ignored). */
#define ZENTU_GETTOKEN_TEXT_MAX 298
/* _Rekkc works on at most this many bytes of its text (the rest is ignored). */
#define ZENTU_REKKC_TEXT_MAX 259
/* The current directory as _parse_filename delivers it, with its trailing backslash and the
   terminating NUL, takes at most this many bytes. */
#define ZENTU_CURRENT_DIRECTORY_MAX 4096

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Word scanning -------------------------------------------------------------------------- */

/* Cuts text into words, one word per call. Call it once with the text (a writable buffer), then
 * with NULL until NULL comes back; the library remembers where the scan stands, so the buffer
 * must stay alive and unchanged in between, and only one scan can be in progress per process.
 *
 * Separator bytes between words are skipped; the separator that ends a word is overwritten with
 * NUL and the word's start is returned. A double-byte character always belongs to the word,
 * even when its second byte looks like a separator (0x5C, 0x40). An apostrophe between two
 * ASCII letters ("it's") and any separator between two digits ("3.14", "1-2") stay inside the
 * word. When only separators are left, the result is a pointer to the terminating NUL (an empty
 * word) and the next call returns NULL. A text whose first byte is NUL returns NULL and leaves a
 * scan in progress untouched. */
ZENTU_API char* _strword(char* text);

/* ---- Case mapping and character classes ---------------------------------------------------- */

/* Changes ASCII a-z to A-Z in place, skipping the second byte of every double-byte character.
 * Returns text. */
ZENTU_API char* _mbstrupr(char* text);

/* Changes ASCII A-Z to a-z in place, skipping the second byte of every double-byte character.
 * Returns text. */
ZENTU_API char* _mbstrlwr(char* text);

/* Returns text unchanged. */
ZENTU_API char* _mbstrconv(char* text);

/* 0 when the byte at position is the first byte of a double-byte character (walking the text
 * from its start), else 1; positions outside the text give 1. */
ZENTU_API int _is_nth_kanji(int position, const char* text);

/* 0 when the byte at position is the second byte of a double-byte character (a lead byte that
 * starts a character at position - 1, followed by a trail byte), else 1. */
ZENTU_API int _is_nth_kanji2(int position, const char* text);

/* The class of the character at position: 0 ASCII letter or digit, 1 punctuation (also
 * half-width 0xA1-0xA5), 2 half-width katakana 0xA6-0xDF, 3 double-byte katakana and the
 * prolonged sound mark 0x815B, 4 hiragana, 5 kanji (JIS levels 1 and 2), 6 full-width digits and
 * letters 0x824F-0x8294, 7 other double-byte symbols up to 0x889E, 9 any other single byte
 * (including the terminating NUL), 10 any other double-byte code, 11 the text is empty. Classes
 * 3 (but 0x815B), 4, 5 and 7 need the code page's double-byte support, which the library
 * detects when it is loaded; without it those codes are class 10. Either byte of a double-byte
 * character gives the character's class. A position that is negative or lies beyond the
 * terminating NUL is read as the NUL (class 9); nothing outside the text is read. */
ZENTU_API int _qvx_nthctype(int position, const char* text);

/* ---- Search and comparison ----------------------------------------------------------------- */

/* Prepares the Boyer-Moore table for pattern (bad-character rule). The table is process-wide:
 * it serves every later _bmstrstr until the next _bminitialize. Returns 0. */
ZENTU_API int _bminitialize(const char* pattern);

/* Finds the first occurrence of pattern in text, comparing plain bytes (no case folding, no
 * regard for double-byte characters), with the table that _bminitialize prepared for this same
 * pattern. Returns a pointer to the match or NULL. Defined results where a table cannot serve:
 * before any _bminitialize, NULL; when pattern is not as long as the prepared pattern, NULL;
 * with an empty pattern (prepared and passed), text itself, as an empty string is found at the
 * start of every text. */
ZENTU_API char* _bmstrstr(const char* text, const char* pattern);

/* Finds the first occurrence of needle in text, matching whole characters only: a match starts
 * at a character boundary of text ("A" is not found inside the double-byte 0x83 0x41). An empty
 * needle gives text. Returns a pointer to the match or NULL. */
ZENTU_API char* _mbstrstr(const char* text, const char* needle);

/* Reverses text in place character by character; each double-byte character (lead byte and
 * trail byte) keeps its two bytes in order. Returns text. */
ZENTU_API char* _mbstrrev(char* text);

/* Compares byte by byte as unsigned values: -1, 0 or 1. */
ZENTU_API int _mbstrcmp(const char* text1, const char* text2);

/* Compares byte by byte after folding 0x41-0x5A to lower case in every byte (second bytes
 * included); returns the difference of the first differing folded bytes (0-255 each), or 0. */
ZENTU_API int _mbstricmp(const char* text1, const char* text2);

/* Compares at most count bytes; returns the difference of the first differing bytes, or 0.
 * A negative count sets no limit. */
ZENTU_API int _mbstrncmp(const char* text1, const char* text2, int count);

/* _mbstrncmp with the folding of _mbstricmp. */
ZENTU_API int _mbstrnicmp(const char* text1, const char* text2, int count);

/* ---- File names ------------------------------------------------------------------------------
 * Paths use the backslash as the only separator; a byte 0x5C that is the second byte of a
 * double-byte character is never a separator. Paths of any length are handled whole (there is
 * no work buffer to outgrow). out and path may be the same buffer. */

/* out receives the directory part of path, up to and including its last backslash, with ASCII
 * letters in upper case ("c:\dir\file.txt" gives "C:\DIR\"; no backslash gives ""). out needs
 * room for strlen(path) + 1 bytes. Returns 0. */
ZENTU_API int _GetDirectory(const char* path, char* out);

/* out receives the part of path after its last backslash, upper-cased ("c:\dir\file.txt" gives
 * "FILE.TXT", "c:file.txt" gives "C:FILE.TXT"). out needs room for strlen(path) + 1 bytes.
 * Returns 0. */
ZENTU_API int _GetFilename(const char* path, char* out);

/* out receives the part of the file name (as _GetFilename) after its last period, upper-cased.
 * When the file name has no period or begins with one, out is left untouched. out needs room
 * for strlen(path) + 1 bytes. Returns 0. */
ZENTU_API int _GetExtension(const char* path, char* out);

/* Resolves path against the current directory into dir (a directory ending in a backslash) and
 * name (a file name or a wildcard pattern, "*.*" for a whole directory). Full-width small
 * letters in path are changed to full-width capitals in place first.
 *
 * Paths are Windows paths over the host file system: drive C: is the host root and always the
 * current drive; no other drive exists, so reading another drive's current directory reads
 * C:'s. The current directory reads as "C:\home\me\" (names converted to code page 932); when
 * it cannot be read (removed, or longer than ZENTU_CURRENT_DIRECTORY_MAX), it reads as "".
 *
 * Returns 0 when dir and name were written. Returns 1 when the file or directory that path
 * names does not exist: for "\NAME" dir holds the current directory and name is untouched; for
 * a path with a directory part neither is written. A path with a colon but no backslash that is
 * not "X:" or "X:" followed by two or more bytes resolves as "X:" followed by the rest (the
 * current directory and the rest as name) when its second byte is the colon, else as a bare
 * name in the current directory.
 *
 * dir, name and path are three separate buffers: dir needs room for
 * strlen(path) + ZENTU_CURRENT_DIRECTORY_MAX bytes, name for strlen(path) + 4 bytes. The
 * process's current directory is read, never changed. */
ZENTU_API int _parse_filename(char* dir, char* name, char* path);

/* ---- Code conversion ----------------------------------------------------------------------- */

/* Converts EUC-JP to Shift-JIS in place, two bytes for two. A byte 0x8E-0xFE other than 0x8F
 * and 0xA0 starts a pair; a pair that is no JIS X 0208 code (half-width katakana, a bad second
 * byte, 0x90-0x9F) becomes two NULs and ends the text; a pair cut by the terminating NUL ends
 * the text at its first byte. Nothing past the terminating NUL is read or written. Returns text.
 */
ZENTU_API char* _euc2sjis(char* text);

/* Converts 7-bit JIS (ISO-2022-JP) to Shift-JIS in place; the result is never longer than the
 * input. ESC $ @ and ESC $ B start double-byte segments, ESC ( J and ESC ( B end them; a code
 * with a byte outside 0x21-0x7E inside a segment ends the text, and so does the end of the
 * text inside a segment (a lone last byte is dropped). Other escape sequences are copied as
 * they are. Nothing past the terminating NUL is read or written. Returns text. */
ZENTU_API char* _jis2sjis(char* text);

/* ---- Library identity ---------------------------------------------------------------------- */

/* The library type: 0. */
ZENTU_API int _CwExType(void);

/* The library version: 3. */
ZENTU_API int _GetExDllVersion(void);

/* Writes the library's language, the empty string, into out (1 byte) and returns out. */
ZENTU_API char* _GetLanguage(char* out);

/* ---- Tokens, sentences and neighbourhood --------------------------------------------------- */

/* Delivers into out the word that lies count words after (count > 0), at (count == 0) or
 * -count words before (count < 0) the word containing text[wordpos + offset]; words are those
 * of _strword. With sentence == 1 a word beyond the end (forwards) or the start (backwards) of
 * the sentence gives "". out receives "" when there is no such word.
 *
 * Only the first ZENTU_GETTOKEN_TEXT_MAX bytes of text are used (cut at a character boundary);
 * positions beyond them give "". out needs room for ZENTU_GETTOKEN_TEXT_MAX + 1 bytes. The
 * routine uses the scan position of _strword: a scan in progress is lost (the next
 * _strword(NULL) returns NULL). Returns 0. */
ZENTU_API int _gettoken(int count, int sentence, int wordpos, int offset, const char* text,
                        char* out);

/* Returns a pointer to where the first sentence of text ends, or to its terminating NUL: the
 * leftmost of " | " (mode 1 only), a comma with a double quote right before or after it, the
 * first '?' (or the first '!' when there is no '?'), and a period (mode 0: followed by a double
 * quote; mode 1: not two bytes after another period; other modes: none). Single bytes are
 * compared; no byte before text is looked at. */
ZENTU_API char* _getSF(int mode, const char* text);

/* Tests the bytes around text[position .. position+length-1]: returns 1 when the stretch fails
 * the boundary test of mode, else 0. Mode 0 never fails; 1 fails on an alphanumeric byte before
 * or after, 2 before, 3 after; 11/13 are 1/3 that also fail on an apostrophe after, 21/23 on a
 * hyphen after, 31/33 on either; every other mode always fails. A byte before position 0 or
 * beyond the terminating NUL does not exist and passes. */
ZENTU_API int _wordcheck(int mode, const char* text, int position, int length);

/* Looks for key near the word text[wordpos .. wordpos+wordlen-1]: forwards from the word's last
 * byte (range 1 and 0 to the end of the text, 11 and -9 to the end of the sentence) or
 * backwards from its first byte (2 and -1 to the start of the text, 12 and -10 to the start of
 * the sentence). Every range but 0 also needs _wordcheck(check, ...) to pass at the occurrence.
 * With fold == 1, full-width capitals in the text (not in key) count as full-width small
 * letters. Returns, for a range greater than 0, 0 when key is found and 1 when not; for other
 * ranges the reverse. An unknown range counts as not found.
 *
 * Only the first ZENTU_REKKC_TEXT_MAX bytes of text are used (cut at a character boundary); a
 * word outside them counts as not found. Returns 0 or 1. */
ZENTU_API int _Rekkc(int range, int fold, int check, int wordpos, int wordlen, const char* text,
                     const char* key);

/* Cuts text into tokens separated by any character of delimiters (single-byte and double-byte
 * characters, compared whole), one token per call: first with the text (writable), then with
 * NULL. The delimiter that ends a token is overwritten with NUL (both bytes for a double-byte
 * delimiter). Returns the token or NULL when none is left. The token position is process-wide
 * and separate from _strword's; the buffer must stay alive between the calls. */
ZENTU_API char* _mbstrtok(char* text, const char* delimiters);

/* Copies text to out without its leading run of spaces (0x20) and double-byte spaces
 * (0x81 0x40). out may be text; it needs room for strlen(text) + 1 bytes. Returns out. */
ZENTU_API char* _mbdelspace1(char* out, const char* text);

/* Copies text to out with every run of white-space bytes replaced by its first byte; double-byte
 * characters are copied unchanged. out may be text; it needs room for strlen(text) + 1 bytes.
 * Returns out. */
ZENTU_API char* _mbdelspace3(char* out, const char* text);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#endif /* ZENTU_ZENTU_H_ */

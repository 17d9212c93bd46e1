#ifndef INDEXER_BUILDING_DICTIONARY_SCANNER_H_
#define INDEXER_BUILDING_DICTIONARY_SCANNER_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/text_reader.h"
#include "store/index_tree.h"

namespace building {

// The four dictionary line scanners. Each reads one source file in text mode (text_reader.h),
// piece by piece, picks the part of each piece that is to be indexed and its entry type, cuts
// that part into words with _strword, folds each word with _mbstrlwr and inserts it into the
// index with the piece's occurrence (offset, line number, file ID, entry type).
//
// Reading. A piece is one line with its line feed, or, for a line longer than the buffer, a
// part of it: at most kMaxPieceLength bytes. A piece that does not end with a line feed (cut at
// the buffer limit, ended by 0x1A) hands its trailing white space (0x09-0x0D, 0x20) back to the
// input, to be read again at the start of the next piece, except that
//   - a piece cut at the buffer limit that is white space only keeps it (so reading always
//     advances), and
//   - the last piece of the file keeps it (nothing is left to read it again).
// The counted length of a piece is its byte count, plus one when it ends with a line feed (for
// the carriage return before it); m_offset is the sum of the counted lengths of the earlier
// pieces, so for CR LF files it is the exact byte position of the piece. m_lineNumber counts
// the line feeds read, including the current piece's. A byte 0x00 counts in the length, but
// the line rule and the word scanner see the piece only up to it.
//
// Line rules, each a byte-wise search ("◆" 81 9F, "●" 81 9C, "■" 81 A1):
//   English-Japanese: cut the piece at the first "◆", then "●", then "■" found from its third
//     byte on (type 0 for each cut), then at the first " : " (type 0); a leading "■", "◆" or
//     "●" is passed over (type 0), a leading "* " too (type 2). The head of the entry is indexed.
//   bilingual / Japanese-English: after the first " : " (type 3 / 4, kept for the rest of the
//     file). A piece without " : " is indexed from its first byte with the type earlier pieces
//     left (0 before the first separator line). The Japanese-English scanner indexes the text
//     field by field, split at "●" characters and line feeds.
//   generic: the whole piece, type 0.
// The entry type is carried from piece to piece and starts at 0 in every file.
//
// Words. Empty words are skipped; a word longer than store::kMaxIndexWordLength bytes is
// dropped (it could not be stored), and the rest of its piece is still indexed. The
// message-pump step runs once for each piece that has words (once per field in the
// Japanese-English scanner), besides the one inside every Insert. When Insert runs out of
// memory the scan ends early, and what was inserted stays.
//
// A file that cannot be opened leaves the index as it was. Otherwise the index is reset first,
// then filled with the file's words. A read error throws platform::FileError after closing the
// file; so does a piece that starts beyond the 2 GiB that 32-bit offsets can address (rather
// than index it with a wrong offset). One scan at a time: _strword keeps its position per
// process.
class DictionaryScanner {
 public:
  static constexpr std::size_t kLineBufferSize = 8000;
  // The longest piece: the buffer less the NUL and one byte the system's line reading keeps.
  static constexpr std::size_t kMaxPieceLength = 7998;

  explicit DictionaryScanner(store::CStringTreeIndex& index) : index_(index) {}
  DictionaryScanner(const DictionaryScanner&) = delete;
  DictionaryScanner& operator=(const DictionaryScanner&) = delete;

  void ScanEnglishJapaneseFile(std::string_view path, std::int16_t file_id);
  void ScanBilingualFile(std::string_view path, std::int16_t file_id);
  void ScanJapaneseEnglishFile(std::string_view path, std::int16_t file_id);
  void ScanGenericFile(std::string_view path, std::int16_t file_id);

  // Where the last scan stood when it ended.
  std::int32_t line_number() const { return m_lineNumber; }
  std::int32_t offset() const { return m_offset; }
  std::uint8_t entry_type() const { return m_entryType; }

 private:
  enum class LineRule { kEnglishJapanese, kBilingual, kJapaneseEnglish, kGeneric };

  void Scan(std::string_view path, std::int16_t file_id, LineRule rule);
  // Reads the next piece into m_lineBuffer and sets m_pieceLength and m_lineNumber; false at
  // the end of the file.
  bool ReadPiece();
  void ApplyEnglishJapaneseRule();
  void ApplySeparatorRule(std::uint8_t entry_type);
  // Indexes the Japanese-English fields from m_scanStart; false when Insert failed.
  bool IndexFields(std::int16_t file_id);
  // Inserts the words of `text`; false when Insert failed. With `pump`, the message-pump step
  // runs once before the words when there are any.
  bool IndexWords(char* text, std::int16_t file_id, bool pump);

  store::CStringTreeIndex& index_;
  std::optional<platform::TextReader> m_sourceFile;
  std::array<char, kLineBufferSize> m_lineBuffer{};
  std::int32_t m_lineNumber = 0;
  std::int32_t m_offset = 0;
  std::int32_t m_pieceLength = 0;
  char* m_scanStart = nullptr;
  std::uint8_t m_entryType = 0;
};

}  // namespace building

#endif  // INDEXER_BUILDING_DICTIONARY_SCANNER_H_

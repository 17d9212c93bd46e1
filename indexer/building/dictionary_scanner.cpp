#include "building/dictionary_scanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

#include "platform/file_error.h"
#include "platform/message_pump.h"
#include "platform/shift_jis.h"
#include "store/index_file_writer.h"
#include "zentu/zentu.h"

namespace building {
namespace {

constexpr char kLineFeed = '\n';
constexpr char kSeparator[] = " : ";
// The marks, as code page 932 bytes.
constexpr char kDiamond[] = "\x81\x9F";       // ◆
constexpr char kBlackCircle[] = "\x81\x9C";   // ●
constexpr char kBlackSquare[] = "\x81\xA1";   // ■
static_assert(kDiamond[0] == kBlackCircle[0] && kDiamond[0] == kBlackSquare[0]);

bool StartsWith(const char* text, const char* mark) {
  return text[0] == mark[0] && text[1] == mark[1];
}

// Ends `piece` where the first of the marks "◆", "●" and "■" begins, searching byte-wise from
// its third byte on, when it has at least three bytes; true when it did. This is cutting at the
// first "◆", then at the first "●", then at the first "■" of what is left, in one pass: a mark
// cannot begin one byte before another (every mark begins with 0x81, none ends with it).
bool CutAtFirstMark(char* piece) {
  const std::size_t length = std::strlen(piece);
  if (length < 3) return false;
  char* const end = piece + length;
  for (char* p = piece + 2; p + 1 < end; ++p) {
    p = static_cast<char*>(std::memchr(p, kDiamond[0], static_cast<std::size_t>(end - 1 - p)));
    if (p == nullptr) return false;
    if (p[1] == kDiamond[1] || p[1] == kBlackCircle[1] || p[1] == kBlackSquare[1]) {
      *p = '\0';
      return true;
    }
  }
  return false;
}

}  // namespace

void DictionaryScanner::ScanEnglishJapaneseFile(std::string_view path, std::int16_t file_id) {
  Scan(path, file_id, LineRule::kEnglishJapanese);
}

void DictionaryScanner::ScanBilingualFile(std::string_view path, std::int16_t file_id) {
  Scan(path, file_id, LineRule::kBilingual);
}

void DictionaryScanner::ScanJapaneseEnglishFile(std::string_view path, std::int16_t file_id) {
  Scan(path, file_id, LineRule::kJapaneseEnglish);
}

void DictionaryScanner::ScanGenericFile(std::string_view path, std::int16_t file_id) {
  Scan(path, file_id, LineRule::kGeneric);
}

void DictionaryScanner::Scan(std::string_view path, std::int16_t file_id, LineRule rule) {
  m_lineNumber = 0;
  m_offset = 0;
  m_pieceLength = 0;
  m_entryType = 0;
  m_sourceFile = platform::TextReader::TryOpen(path);
  if (!m_sourceFile) return;
  // The file is closed on every way out, a read error included.
  struct CloseOnExit {
    std::optional<platform::TextReader>& file;
    ~CloseOnExit() { file.reset(); }
  } close_on_exit{m_sourceFile};

  index_.Reset();
  std::int64_t offset = 0;
  while (ReadPiece()) {
    if (offset > std::numeric_limits<std::int32_t>::max()) {
      // Offsets are 32-bit: this piece could not be found again.
      throw platform::FileError(std::string(path), "index", EFBIG);
    }
    m_offset = static_cast<std::int32_t>(offset);
    m_scanStart = m_lineBuffer.data();
    bool inserted = true;
    switch (rule) {
      case LineRule::kEnglishJapanese:
        ApplyEnglishJapaneseRule();
        inserted = IndexWords(m_scanStart, file_id, true);
        break;
      case LineRule::kBilingual:
        ApplySeparatorRule(3);
        inserted = IndexWords(m_scanStart, file_id, true);
        break;
      case LineRule::kJapaneseEnglish:
        ApplySeparatorRule(4);
        inserted = IndexFields(file_id);
        break;
      case LineRule::kGeneric:
        inserted = IndexWords(m_scanStart, file_id, true);
        break;
    }
    if (!inserted) return;
    offset += m_pieceLength;
  }
  m_offset = static_cast<std::int32_t>(std::min<std::int64_t>(
      offset, std::numeric_limits<std::int32_t>::max()));
}

bool DictionaryScanner::ReadPiece() {
  char* const piece = m_lineBuffer.data();
  std::size_t length = m_sourceFile->ReadLine(piece, kMaxPieceLength + 1);
  if (length == 0) return false;
  if (piece[length - 1] == kLineFeed) {
    m_pieceLength = static_cast<std::int32_t>(length + 1);
    ++m_lineNumber;
    return true;
  }
  // Cut at the buffer limit, ended by 0x1A, or the last line without a line feed: trailing
  // white space is read again with the next piece, unless nothing is left to read it, or the
  // piece is a full buffer of white space (which would be read again forever).
  std::size_t kept = length;
  while (kept > 0 && platform::IsWhiteSpace(piece[kept - 1])) --kept;
  const bool blank_full_buffer = kept == 0 && length == kMaxPieceLength;
  if (kept < length && !blank_full_buffer && !m_sourceFile->AtEnd()) {
    for (std::size_t i = length; i > kept; --i) m_sourceFile->PushBack(piece[i - 1]);
    piece[kept] = '\0';
    length = kept;
  }
  m_pieceLength = static_cast<std::int32_t>(length);
  return true;
}

void DictionaryScanner::ApplyEnglishJapaneseRule() {
  char* const piece = m_lineBuffer.data();
  if (CutAtFirstMark(piece)) m_entryType = 0;
  if (char* separator = std::strstr(piece, kSeparator)) {
    *separator = '\0';
    m_entryType = 0;
  }
  if (StartsWith(piece, kBlackSquare) || StartsWith(piece, kDiamond) ||
      StartsWith(piece, kBlackCircle)) {
    m_entryType = 0;
    m_scanStart = piece + 2;
  } else if (piece[0] == '*' && piece[1] == ' ') {
    m_entryType = 2;
    m_scanStart = piece + 2;
  }
}

void DictionaryScanner::ApplySeparatorRule(std::uint8_t entry_type) {
  if (char* separator = std::strstr(m_lineBuffer.data(), kSeparator)) {
    m_scanStart = separator + 2;
    m_entryType = entry_type;
  }
}

bool DictionaryScanner::IndexFields(std::int16_t file_id) {
  char* field = nullptr;
  for (char* p = m_scanStart;;) {
    const bool at_end = *p == '\0';
    const bool is_circle = StartsWith(p, kBlackCircle);
    if (at_end || is_circle || *p == kLineFeed) {
      if (field != nullptr) {
        *p = '\0';
        platform::PumpMessages();
        if (!IndexWords(field, file_id, false)) return false;
        field = nullptr;
      }
      if (at_end) return true;
      p += is_circle ? 2 : 1;
      continue;
    }
    if (field == nullptr) field = p;
    p += (platform::IsLeadByte(*p) && p[1] != '\0') ? 2 : 1;
  }
}

bool DictionaryScanner::IndexWords(char* text, std::int16_t file_id, bool pump) {
  char* word = _strword(text);
  if (word == nullptr) return true;
  if (pump) platform::PumpMessages();
  for (; word != nullptr; word = _strword(nullptr)) {
    const std::size_t length = std::strlen(word);
    if (length == 0 || length > store::kMaxIndexWordLength) continue;
    _mbstrlwr(word);
    if (index_.Insert(std::string_view(word, length), m_entryType, m_offset, m_lineNumber,
                      file_id) == nullptr) {
      return false;
    }
  }
  return true;
}

}  // namespace building

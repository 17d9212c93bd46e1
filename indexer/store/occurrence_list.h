#ifndef INDEXER_STORE_OCCURRENCE_LIST_H_
#define INDEXER_STORE_OCCURRENCE_LIST_H_

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace store {

// One place where a word occurs, as the scanners produce it and an index file stores it in an
// 11-byte record. The index does not interpret the values, except that an offset of -1 is never
// an occurrence: index files use it as the terminator of a node's occurrence records.
struct Occurrence {
  std::int32_t offset = 0;       // byte offset of the source entry in its file
  std::int32_t line_number = 0;  // line number of that entry
  std::int16_t file_id = 0;      // source file (the "FileID" table of the profile)
  std::uint8_t entry_type = 0;   // kind of entry (0 default, 2, 3, 4)

  friend bool operator==(const Occurrence&, const Occurrence&) = default;
};

// The occurrence record of an index file: offset and line number (4 bytes each), file ID
// (2 bytes), entry type (1 byte), all little-endian.
inline constexpr std::size_t kOccurrenceRecordSize = 11;

inline std::int32_t DecodeInt32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) |
                                   (static_cast<std::uint32_t>(b[1]) << 8) |
                                   (static_cast<std::uint32_t>(b[2]) << 16) |
                                   (static_cast<std::uint32_t>(b[3]) << 24));
}

inline char* EncodeInt32(std::int32_t value, char* at) {
  const auto v = static_cast<std::uint32_t>(value);
  at[0] = static_cast<char>(v);
  at[1] = static_cast<char>(v >> 8);
  at[2] = static_cast<char>(v >> 16);
  at[3] = static_cast<char>(v >> 24);
  return at + 4;
}

inline void EncodeOccurrence(const Occurrence& occurrence, char* record) {
  record = EncodeInt32(occurrence.offset, record);
  record = EncodeInt32(occurrence.line_number, record);
  const auto file_id = static_cast<std::uint16_t>(occurrence.file_id);
  record[0] = static_cast<char>(file_id);
  record[1] = static_cast<char>(file_id >> 8);
  record[2] = static_cast<char>(occurrence.entry_type);
}

inline Occurrence DecodeOccurrence(const char* record) {
  const auto* b = reinterpret_cast<const unsigned char*>(record);
  return Occurrence{DecodeInt32(record), DecodeInt32(record + 4),
                    static_cast<std::int16_t>(b[8] | (b[9] << 8)), b[10]};
}

// COffset: the occurrence list of one word, in the order the occurrences were added. It holds
// them as index-file occurrence records, so that writing a node copies them in one piece; the
// first one is kept inside the list itself. The index that owns the list manages its memory
// (occurrence_storage.h); only the order and the contents are part of the index's promise.
class COffset {
 public:
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Occurrence;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Occurrence;

    const_iterator() = default;
    explicit const_iterator(const char* record) : record_(record) {}
    Occurrence operator*() const { return DecodeOccurrence(record_); }
    const_iterator& operator++() {
      record_ += kOccurrenceRecordSize;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++*this;
      return before;
    }
    friend bool operator==(const_iterator, const_iterator) = default;

   private:
    const char* record_ = nullptr;
  };

  COffset() = default;
  COffset(const COffset&) = delete;
  COffset& operator=(const COffset&) = delete;

  // Whether the last occurrence has `offset` (false for an empty list). Kept beside the list so
  // that the index's duplicate rule does not have to reach into the list's storage.
  bool EndsWithOffset(std::int32_t offset) const { return count_ != 0 && last_offset_ == offset; }

  std::size_t count() const { return count_; }
  bool empty() const { return count_ == 0; }
  Occurrence operator[](std::size_t i) const {
    return DecodeOccurrence(records_ + i * kOccurrenceRecordSize);
  }
  Occurrence back() const { return (*this)[count_ - 1]; }
  const_iterator begin() const { return const_iterator(records_); }
  const_iterator end() const { return const_iterator(records_ + count_ * kOccurrenceRecordSize); }
  // The occurrences as count() consecutive index-file occurrence records.
  std::string_view records() const {
    return std::string_view(records_, count_ * kOccurrenceRecordSize);
  }

 private:
  friend class OccurrenceStorage;

  static constexpr std::uint32_t kInlineCapacity = 1;

  char* records_ = inline_records_;
  std::uint32_t count_ = 0;
  std::uint32_t capacity_ = kInlineCapacity;
  std::int32_t last_offset_ = 0;
  char inline_records_[kInlineCapacity * kOccurrenceRecordSize + 1];
};

}  // namespace store

#endif  // INDEXER_STORE_OCCURRENCE_LIST_H_

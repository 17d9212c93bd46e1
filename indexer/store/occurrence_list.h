#ifndef INDEXER_STORE_OCCURRENCE_LIST_H_
#define INDEXER_STORE_OCCURRENCE_LIST_H_

#include <cstddef>
#include <cstdint>
#include <vector>

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

// COffset: the occurrence list of one word, in the order the occurrences were added. It grows
// geometrically; only the order and the contents are part of the index's promise.
class COffset {
 public:
  void Add(const Occurrence& occurrence) {
    items_.push_back(occurrence);
    last_offset_ = occurrence.offset;
  }

  // Whether the last occurrence has `offset` (false for an empty list). Kept beside the list so
  // that the index's duplicate rule does not have to reach into the list's storage.
  bool EndsWithOffset(std::int32_t offset) const {
    return !items_.empty() && last_offset_ == offset;
  }

  std::size_t count() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const Occurrence& operator[](std::size_t i) const { return items_[i]; }
  const Occurrence& back() const { return items_.back(); }
  std::vector<Occurrence>::const_iterator begin() const { return items_.begin(); }
  std::vector<Occurrence>::const_iterator end() const { return items_.end(); }

 private:
  std::vector<Occurrence> items_;
  std::int32_t last_offset_ = 0;
};

}  // namespace store

#endif  // INDEXER_STORE_OCCURRENCE_LIST_H_

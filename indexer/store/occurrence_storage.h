#ifndef INDEXER_STORE_OCCURRENCE_STORAGE_H_
#define INDEXER_STORE_OCCURRENCE_STORAGE_H_

#include <array>
#include <cstddef>
#include <cstring>

#include "store/block_arena.h"
#include "store/occurrence_list.h"

namespace store {

// The memory of the occurrence lists of one index. A list starts in its own inline record and
// grows by doubling: up to kMaxArenaCapacity records its arrays come from the index's block
// arena, and an outgrown array waits on a free list of its size for the next list that grows
// to it; a longer list (a very common word) lives on the heap and grows in place where the heap
// can. Lists are appended to only, and all of them are discarded together: Release() for each
// list, then Clear() with the arena's.
class OccurrenceStorage {
 public:
  static constexpr std::size_t kMaxArenaCapacity = 1024;

  explicit OccurrenceStorage(BlockArena& arena) : arena_(arena) {}
  OccurrenceStorage(const OccurrenceStorage&) = delete;
  OccurrenceStorage& operator=(const OccurrenceStorage&) = delete;

  // Makes room in `list` for `more` further records. Throws std::bad_alloc, and then the list is
  // as it was.
  void Reserve(COffset& list, std::size_t more) {
    if (list.count_ + more > list.capacity_) Grow(list, list.count_ + more);
  }

  // Appends `count` records (count * 11 bytes) to `list`, which has room for them (Reserve).
  static void AppendReserved(COffset& list, const char* records, std::size_t count) {
    std::memcpy(list.records_ + list.count_ * kOccurrenceRecordSize, records,
                count * kOccurrenceRecordSize);
    list.count_ += static_cast<std::uint32_t>(count);
    list.last_offset_ =
        DecodeInt32(records + (count - 1) * kOccurrenceRecordSize);  // count is never 0
  }

  // Appends one occurrence to `list`, which has room for it (Reserve).
  static void AppendReserved(COffset& list, const Occurrence& occurrence) {
    EncodeOccurrence(occurrence, list.records_ + list.count_ * kOccurrenceRecordSize);
    ++list.count_;
    list.last_offset_ = occurrence.offset;
  }

  // Gives back the heap array of `list`, if it has one; the list must not be used afterwards.
  static void Release(COffset& list) noexcept;

  // Forgets the free lists; for when the arena is cleared.
  void Clear() { free_arrays_.fill(nullptr); }

 private:
  // Size classes: arrays of 4 << k records for k = 0 .. kArenaClasses - 1.
  static constexpr std::size_t kSmallestCapacity = 4;
  static constexpr std::size_t kArenaClasses = 9;  // 4 .. 1024
  static_assert(kSmallestCapacity << (kArenaClasses - 1) == kMaxArenaCapacity);

  void Grow(COffset& list, std::size_t needed);
  char* TakeArenaArray(std::size_t size_class);
  void RecycleArenaArray(char* array, std::size_t capacity) noexcept;

  BlockArena& arena_;
  std::array<char*, kArenaClasses> free_arrays_{};  // each a chain through the arrays' first bytes
};

}  // namespace store

#endif  // INDEXER_STORE_OCCURRENCE_STORAGE_H_

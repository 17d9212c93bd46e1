#include "store/occurrence_storage.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>
#include <new>

namespace store {
namespace {

std::size_t SizeClassOf(std::size_t capacity) {
  return static_cast<std::size_t>(std::countr_zero(capacity)) - 2;  // capacity is 4 << class
}

}  // namespace

void OccurrenceStorage::Release(COffset& list) noexcept {
  if (list.capacity_ > kMaxArenaCapacity) std::free(list.records_);
}

void OccurrenceStorage::Grow(COffset& list, std::size_t needed) {
  if (needed > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
  const std::size_t capacity =
      std::bit_ceil(std::max<std::size_t>({needed, 2 * std::size_t{list.capacity_},
                                           kSmallestCapacity}));
  const std::size_t used_bytes = list.count_ * kOccurrenceRecordSize;
  char* records;
  if (capacity <= kMaxArenaCapacity) {
    records = TakeArenaArray(SizeClassOf(capacity));
    std::memcpy(records, list.records_, used_bytes);
    if (list.capacity_ != COffset::kInlineCapacity) RecycleArenaArray(list.records_, list.capacity_);
  } else if (list.capacity_ > kMaxArenaCapacity) {
    // Already on the heap: realloc can often grow the array where it is.
    records = static_cast<char*>(std::realloc(list.records_, capacity * kOccurrenceRecordSize));
    if (records == nullptr) throw std::bad_alloc();
  } else {
    records = static_cast<char*>(std::malloc(capacity * kOccurrenceRecordSize));
    if (records == nullptr) throw std::bad_alloc();
    std::memcpy(records, list.records_, used_bytes);
    if (list.capacity_ != COffset::kInlineCapacity) RecycleArenaArray(list.records_, list.capacity_);
  }
  list.records_ = records;
  list.capacity_ = static_cast<std::uint32_t>(capacity);
}

char* OccurrenceStorage::TakeArenaArray(std::size_t size_class) {
  if (char* array = free_arrays_[size_class]) {
    std::memcpy(&free_arrays_[size_class], array, sizeof(char*));
    return array;
  }
  return static_cast<char*>(arena_.Allocate((kSmallestCapacity << size_class) *
                                            kOccurrenceRecordSize));
}

void OccurrenceStorage::RecycleArenaArray(char* array, std::size_t capacity) noexcept {
  const std::size_t size_class = SizeClassOf(capacity);
  std::memcpy(array, &free_arrays_[size_class], sizeof(char*));
  free_arrays_[size_class] = array;
}

}  // namespace store

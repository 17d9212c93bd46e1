#ifndef INDEXER_STORE_WORD_TABLE_H_
#define INDEXER_STORE_WORD_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "store/block_arena.h"
#include "store/word_order.h"

namespace store {

// A hash table from words to the nodes that hold them, for the index tree: words that are the
// same word in the index's order (word_order.h) find the same node. `Node` is any type with
// `std::string_view word() const`; the table stores pointers and owns nothing.
//
// Open addressing with linear probing over one flat array that keeps each entry's full hash, so
// a lookup usually touches one slot and at most the one node whose hash matches. The table never
// holds more than half its capacity. Clear() keeps the array for the next filling unless the
// last one used little of it, so that refilling costs neither allocation nor fresh pages.
template <typename Node>
class WordTable {
 public:
  WordTable() = default;
  WordTable(const WordTable&) = delete;
  WordTable& operator=(const WordTable&) = delete;
  ~WordTable() { Deallocate(); }

  // The node of `word`, or nullptr. `hash` is HashWord(word).
  Node* Find(std::string_view word, std::size_t hash) const {
    if (capacity_ == 0) return nullptr;
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Slot& slot = slots_[i];
      if (slot.node == nullptr) return nullptr;
      if (slot.hash == hash && SameWord()(slot.node->word(), word)) return slot.node;
    }
  }

  // Makes room for one more entry, so that the next Add cannot fail. On std::bad_alloc the table
  // is unchanged.
  void ReserveOneMore() {
    if ((size_ + 1) * 2 > capacity_) Grow();
  }

  // Adds `node`, whose word the table does not hold yet, under `hash`; ReserveOneMore() must
  // have been called since the last Add.
  void Add(Node* node, std::size_t hash) {
    Place(Slot{hash, node});
    ++size_;
  }

  // Removes every entry.
  void Clear() {
    if (capacity_ == 0) return;
    if (size_ * 8 < capacity_) {
      Deallocate();  // a big, barely used array is not worth wiping again and again
    } else {
      std::memset(static_cast<void*>(slots_), 0, capacity_ * sizeof(Slot));
    }
    size_ = 0;
  }

 private:
  struct Slot {
    std::size_t hash;
    Node* node;  // nullptr: free
  };

  void Place(const Slot& entry) {
    std::size_t i = entry.hash & mask_;
    while (slots_[i].node != nullptr) i = (i + 1) & mask_;
    slots_[i] = entry;
  }

  void Grow() {
    const std::size_t old_capacity = capacity_;
    Slot* old = slots_;
    const std::size_t capacity = old_capacity == 0 ? 16 : old_capacity * 2;
    void* memory = AllocateTableMemory(capacity * sizeof(Slot));  // only this can throw
    std::memset(memory, 0, capacity * sizeof(Slot));
    slots_ = static_cast<Slot*>(memory);
    capacity_ = capacity;
    mask_ = capacity - 1;
    for (std::size_t i = 0; i < old_capacity; ++i) {
      if (old[i].node != nullptr) Place(old[i]);
    }
    if (old != nullptr) FreeTableMemory(old, old_capacity * sizeof(Slot));
  }

  void Deallocate() {
    if (slots_ != nullptr) FreeTableMemory(slots_, capacity_ * sizeof(Slot));
    slots_ = nullptr;
    capacity_ = 0;
    mask_ = 0;
  }

  Slot* slots_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t mask_ = 0;
  std::size_t size_ = 0;
};

}  // namespace store

#endif  // INDEXER_STORE_WORD_TABLE_H_

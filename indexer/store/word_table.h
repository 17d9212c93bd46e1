#ifndef INDEXER_STORE_WORD_TABLE_H_
#define INDEXER_STORE_WORD_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "store/word_order.h"

namespace store {

// A hash table from words to the nodes that hold them, for the index tree: words that are the
// same word in the index's order (word_order.h) find the same node. `Node` is any type with
// `std::string_view word() const`; the table stores pointers and owns nothing.
//
// Open addressing with linear probing over one flat array that keeps each entry's full hash, so
// a lookup usually touches one slot and at most the one node whose hash matches. The table never
// holds more than half its capacity.
template <typename Node>
class WordTable {
 public:
  // The node of `word`, or nullptr. `hash` is HashWord(word).
  Node* Find(std::string_view word, std::size_t hash) const {
    if (slots_.empty()) return nullptr;
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Slot& slot = slots_[i];
      if (slot.node == nullptr) return nullptr;
      if (slot.hash == hash && SameWord()(slot.node->word(), word)) return slot.node;
    }
  }

  // Adds `node`, whose word the table does not hold yet, under `hash`. On std::bad_alloc the
  // table is unchanged.
  void Add(Node* node, std::size_t hash) {
    if ((size_ + 1) * 2 > slots_.size()) Grow();
    Place(Slot{hash, node});
    ++size_;
  }

  // Removes every entry and gives back the memory.
  void Clear() {
    std::vector<Slot>().swap(slots_);
    mask_ = 0;
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
    std::vector<Slot> old(slots_.empty() ? 16 : slots_.size() * 2, Slot{0, nullptr});
    old.swap(slots_);  // only this allocation can throw
    mask_ = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.node != nullptr) Place(slot);
    }
  }

  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  std::size_t size_ = 0;
};

}  // namespace store

#endif  // INDEXER_STORE_WORD_TABLE_H_

#ifndef INDEXER_STORE_INDEX_TREE_H_
#define INDEXER_STORE_INDEX_TREE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/block_arena.h"
#include "store/occurrence_list.h"
#include "store/occurrence_storage.h"
#include "store/word_order.h"
#include "store/word_table.h"

namespace store {

// CINode: one word of the index tree with its occurrence list and its two subtrees (words that
// sort before it on the lesser side, after it on the greater side, in the order of
// word_order.h). Nodes belong to their CStringTreeIndex; a caller only reads them. The subtree
// links are those of the tree as of the last call of the index's root() (see there).
class CINode {
 public:
  CINode(const CINode&) = delete;
  CINode& operator=(const CINode&) = delete;

  // The word with the spelling of its first insertion.
  std::string_view word() const {
    return std::string_view(reinterpret_cast<const char*>(this + 1), word_size_);
  }
  const COffset& occurrences() const { return occurrences_; }
  const CINode* lesser() const { return lesser_; }
  const CINode* greater() const { return greater_; }

 private:
  friend class CStringTreeIndex;

  // The word's bytes follow the node in the same piece of memory.
  CINode(std::uint32_t word_size, std::uint32_t rank) : word_size_(word_size), rank_(rank) {}

  CINode* lesser_ = nullptr;
  CINode* greater_ = nullptr;
  COffset occurrences_;
  std::uint32_t word_size_;
  std::uint32_t rank_;  // the node's place in insertion order
};

// CStringTreeIndex: the in-memory word index. It is an ordinary binary search tree, one node per
// distinct word, whose shape is exactly that of inserting the words one after another from the
// root and never rebalancing; index files store that shape. Sorted input therefore makes chains
// as long as the input, yet no operation here costs time or stack in proportion to the depth:
// a hash map finds an existing word, and the shape is worked out only when it is asked for, by
// root(), from the words in order: the tree of words inserted one after another is the one in
// which every subtree's root is the earliest inserted of the subtree's words, which one pass
// over the sorted words with a stack builds. Every operation is iterative.
//
// Nodes, words and short occurrence lists live in large blocks that Reset() keeps for the next
// filling (block_arena.h, occurrence_storage.h).
//
// The index also carries a word list, which only the word-list writer (word_list.h) fills and
// which no tree operation touches.
//
// Not thread-safe; Insert and Reset call the message-pump step (platform/message_pump.h) once per
// call and once per freed node, and stay consistent if that step re-enters them.
class CStringTreeIndex {
 public:
  CStringTreeIndex();
  CStringTreeIndex(const CStringTreeIndex&) = delete;
  CStringTreeIndex& operator=(const CStringTreeIndex&) = delete;
  ~CStringTreeIndex();

  // Adds one occurrence of `word` (a C string: it ends at its first NUL byte, if it holds one)
  // and returns the node that holds the word. A new word gets a node of its own; for a word the
  // index already holds (letter case of A-Z ignored) the occurrence is dropped when its offset
  // equals the offset of the word's last occurrence, and added otherwise; the node keeps the
  // spelling of the first insertion. Returns nullptr, with the index as it was before the call,
  // when memory runs out. Words of any length are taken; an index file holds words of at most
  // 254 bytes, and its writer refuses a tree with a longer one.
  const CINode* Insert(std::string_view word, std::uint8_t entry_type, std::int32_t offset,
                       std::int32_t line_number, std::int16_t file_id);

  // Insert for a word whose node is known: `node`, returned by an earlier Insert into this index
  // (and not reset since), gets the occurrence exactly as Insert with its word would give it,
  // without looking the word up again. For readers that insert a record's occurrences in a row.
  const CINode* InsertAgain(const CINode& node, std::uint8_t entry_type, std::int32_t offset,
                            std::int32_t line_number, std::int16_t file_id);

  // Inserts the occurrences held by `records` (index-file occurrence records of 11 bytes, none
  // with the offset -1) of `word`, in their order, exactly as one Insert per occurrence would,
  // but with one lookup and one message-pump step. `records` must not be empty. Returns the
  // word's node, or nullptr, with the index as it was, when memory runs out.
  const CINode* InsertRecords(std::string_view word, std::string_view records);

  // Discards every word and occurrence; the word list stays.
  void Reset();

  bool IsEmpty() const { return nodes_.empty(); }
  // The root node, or nullptr while the index is empty. The links of every node are brought up
  // to date first: after a run of insertions this costs sorting the new words and one pass over
  // all of them, so a caller reads the tree after its insertions rather than between them.
  // Throws std::bad_alloc when memory for that runs out.
  const CINode* root() const;
  // Number of distinct words.
  std::size_t size() const { return nodes_.size(); }

  std::vector<std::string>& word_list() { return word_list_; }
  const std::vector<std::string>& word_list() const { return word_list_; }

 private:
  // A word in the order of the tree, with its order prefix, so that sorting settles most
  // comparisons without reaching for the word itself.
  struct OrderEntry {
    std::uint64_t prefix;
    CINode* node;
  };

  CINode* AddNewWord(std::string_view word, std::size_t hash, std::size_t occurrences);
  void AddUnlessRepeated(CINode& node, const Occurrence& occurrence);
  void AddRecords(CINode& node, std::string_view records);
  void PlaceNewWords() const;

  BlockArena arena_;
  OccurrenceStorage occurrence_storage_;
  std::vector<CINode*> nodes_;  // in insertion order: the root first
  WordTable<CINode> by_word_;
  // nodes_[0, placed_) sorted in the tree's order; their links are up to date.
  mutable std::vector<OrderEntry> in_order_;
  mutable std::vector<CINode*> placing_stack_;
  mutable std::size_t placed_ = 0;
  std::vector<std::string> word_list_;
};

}  // namespace store

#endif  // INDEXER_STORE_INDEX_TREE_H_

#ifndef INDEXER_STORE_INDEX_TREE_H_
#define INDEXER_STORE_INDEX_TREE_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "store/occurrence_list.h"
#include "store/word_order.h"
#include "store/word_table.h"

namespace store {

// CINode: one word of the index tree with its occurrence list and its two subtrees (words that
// sort before it on the lesser side, after it on the greater side, in the order of
// word_order.h). Nodes belong to their CStringTreeIndex; a caller only reads them.
class CINode {
 public:
  explicit CINode(std::string_view word) : word_(word) {}
  CINode(const CINode&) = delete;
  CINode& operator=(const CINode&) = delete;

  // The word with the spelling of its first insertion.
  std::string_view word() const { return word_; }
  const COffset& occurrences() const { return occurrences_; }
  const CINode* lesser() const { return lesser_; }
  const CINode* greater() const { return greater_; }

 private:
  friend class CStringTreeIndex;

  std::string word_;
  COffset occurrences_;
  CINode* lesser_ = nullptr;
  CINode* greater_ = nullptr;
};

// CStringTreeIndex: the in-memory word index. It is an ordinary binary search tree, one node per
// distinct word, whose shape is exactly that of inserting the words one after another from the
// root and never rebalancing; index files store that shape. Sorted input therefore makes chains
// as long as the input, yet no operation here costs time or stack in proportion to the depth:
// a hash map finds an existing word, and an ordered map of all words gives a new word's in-order
// neighbours, one of which is where plain descent from the root would have attached it. Every
// operation is iterative.
//
// The index also carries a word list, which only the word-list writer (word_list.h) fills and
// which no tree operation touches.
//
// Not thread-safe; Insert and Reset call the message-pump step (platform/message_pump.h) once per
// call and once per freed node, and stay consistent if that step re-enters them.
class CStringTreeIndex {
 public:
  CStringTreeIndex() = default;
  CStringTreeIndex(const CStringTreeIndex&) = delete;
  CStringTreeIndex& operator=(const CStringTreeIndex&) = delete;

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

  // Discards every word and occurrence; the word list stays.
  void Reset();

  bool IsEmpty() const { return nodes_.empty(); }
  // The root node, or nullptr while the index is empty.
  const CINode* root() const { return nodes_.empty() ? nullptr : &nodes_.front(); }
  // Number of distinct words.
  std::size_t size() const { return nodes_.size(); }

  std::vector<std::string>& word_list() { return word_list_; }
  const std::vector<std::string>& word_list() const { return word_list_; }

 private:
  static void AddUnlessRepeated(CINode& node, const Occurrence& occurrence);
  CINode* AddNewWord(std::string_view word, std::size_t hash, const Occurrence& occurrence);

  // The ordered map's entries carry the word's order prefix, so that most comparisons on the
  // way down are settled without reaching for the word itself.
  struct OrderEntry {
    std::uint64_t prefix;
    CINode* node;
  };
  struct OrderEntryLess {
    bool operator()(const OrderEntry& a, const OrderEntry& b) const {
      if (a.prefix != b.prefix) return a.prefix < b.prefix;
      return CompareWords(a.node->word_, b.node->word_) < 0;
    }
  };

  std::deque<CINode> nodes_;  // in insertion order: stable addresses, the root first
  WordTable<CINode> by_word_;
  std::set<OrderEntry, OrderEntryLess> in_order_;
  // The entry of the word inserted last (valid while in_order_ is not empty): sorted and
  // reverse-sorted input, as dictionaries are, place each new word right beside it.
  std::set<OrderEntry, OrderEntryLess>::iterator last_placed_;
  std::vector<std::string> word_list_;
};

}  // namespace store

#endif  // INDEXER_STORE_INDEX_TREE_H_

#include "store/index_tree.h"

#include <iterator>
#include <new>
#include <utility>

#include "platform/message_pump.h"

namespace store {

const CINode* CStringTreeIndex::Insert(std::string_view word, std::uint8_t entry_type,
                                       std::int32_t offset, std::int32_t line_number,
                                       std::int16_t file_id) {
  platform::PumpMessages();
  word = word.substr(0, word.find('\0'));
  const Occurrence occurrence{offset, line_number, file_id, entry_type};
  try {
    const std::size_t hash = HashWord(word);
    if (CINode* found = by_word_.Find(word, hash)) {
      AddUnlessRepeated(*found, occurrence);
      return found;
    }
    return AddNewWord(word, hash, occurrence);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

const CINode* CStringTreeIndex::InsertAgain(const CINode& node, std::uint8_t entry_type,
                                            std::int32_t offset, std::int32_t line_number,
                                            std::int16_t file_id) {
  platform::PumpMessages();
  try {
    // The index owns its nodes; a caller holds them as const only to keep out of their content.
    AddUnlessRepeated(const_cast<CINode&>(node),
                      Occurrence{offset, line_number, file_id, entry_type});
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  return &node;
}

void CStringTreeIndex::AddUnlessRepeated(CINode& node, const Occurrence& occurrence) {
  // Only the last occurrence counts: a scanner meets a word several times on one line (one
  // offset), but the same offset may legitimately come back after another one.
  if (node.occurrences_.EndsWithOffset(occurrence.offset)) return;
  node.occurrences_.Add(occurrence);
}

CINode* CStringTreeIndex::AddNewWord(std::string_view word, std::size_t hash,
                                     const Occurrence& occurrence) {
  // Each step that can throw is undone before the exception leaves, so the index stays as it was.
  nodes_.emplace_back(word);
  CINode* node = &nodes_.back();
  std::set<OrderEntry, OrderEntryLess>::iterator position;
  try {
    node->occurrences_.Add(occurrence);
    const OrderEntry entry{WordOrderPrefix(word), node};
    auto hint = in_order_.end();
    if (!in_order_.empty() && !OrderEntryLess()(*last_placed_, entry)) {
      hint = last_placed_;
    } else if (!in_order_.empty() && last_placed_ != std::prev(in_order_.end())) {
      hint = std::next(last_placed_);  // (the step past the greatest word would climb the tree)
    }
    position = in_order_.insert(hint, entry);  // a wrong hint only costs a full search
    try {
      by_word_.Add(node, hash);
    } catch (...) {
      in_order_.erase(position);
      throw;
    }
  } catch (...) {
    nodes_.pop_back();
    throw;
  }
  last_placed_ = position;
  if (nodes_.size() == 1) return node;  // the root

  // Descent from the root ends below one of the word's in-order neighbours: the predecessor when
  // it has no greater child (the successor then lies above it), else the successor, whose lesser
  // child is then free.
  if (position != in_order_.begin()) {
    CINode* predecessor = std::prev(position)->node;
    if (predecessor->greater_ == nullptr) {
      predecessor->greater_ = node;
      return node;
    }
  }
  std::next(position)->node->lesser_ = node;
  return node;
}

void CStringTreeIndex::Reset() {
  if (nodes_.empty()) return;
  // Empty the index first, so that it is consistent whenever the pump step runs.
  std::deque<CINode> discarded = std::move(nodes_);
  nodes_.clear();
  by_word_.Clear();
  in_order_.clear();
  while (!discarded.empty()) {
    discarded.pop_back();
    platform::PumpMessages();
  }
}

}  // namespace store

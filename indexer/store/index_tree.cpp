#include "store/index_tree.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "platform/message_pump.h"

namespace store {
namespace {

// The part of `word` before its first NUL, with its HashWord.
struct HashedWord {
  std::string_view word;
  std::size_t hash;
};

HashedWord HashUpToNul(std::string_view word) {
  const auto* nul = static_cast<const char*>(std::memchr(word.data(), '\0', word.size()));
  if (nul != nullptr) word = word.substr(0, static_cast<std::size_t>(nul - word.data()));
  return HashedWord{word, HashWord(word)};
}

// Makes room for one more element, so that a push_back right after cannot throw.
template <typename T>
void ReserveOneMore(std::vector<T>& items) {
  if (items.size() == items.capacity()) items.reserve(2 * items.size() + 1);
}

}  // namespace

CStringTreeIndex::CStringTreeIndex() : occurrence_storage_(arena_) {}

CStringTreeIndex::~CStringTreeIndex() {
  for (CINode* node : nodes_) OccurrenceStorage::Release(node->occurrences_);
}

const CINode* CStringTreeIndex::Insert(std::string_view word, std::uint8_t entry_type,
                                       std::int32_t offset, std::int32_t line_number,
                                       std::int16_t file_id) {
  platform::PumpMessages();
  const HashedWord hashed = HashUpToNul(word);
  const Occurrence occurrence{offset, line_number, file_id, entry_type};
  try {
    if (CINode* found = by_word_.Find(hashed.word, hashed.hash)) {
      AddUnlessRepeated(*found, occurrence);
      return found;
    }
    CINode* node = AddNewWord(hashed.word, hashed.hash, 1);
    OccurrenceStorage::AppendReserved(node->occurrences_, occurrence);
    return node;
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

const CINode* CStringTreeIndex::InsertRecords(std::string_view word, std::string_view records) {
  platform::PumpMessages();
  const HashedWord hashed = HashUpToNul(word);
  try {
    CINode* node = by_word_.Find(hashed.word, hashed.hash);
    if (node == nullptr) {
      node = AddNewWord(hashed.word, hashed.hash, records.size() / kOccurrenceRecordSize);
    }
    AddRecords(*node, records);
    return node;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void CStringTreeIndex::AddUnlessRepeated(CINode& node, const Occurrence& occurrence) {
  // Only the last occurrence counts: a scanner meets a word several times on one line (one
  // offset), but the same offset may legitimately come back after another one.
  if (node.occurrences_.EndsWithOffset(occurrence.offset)) return;
  occurrence_storage_.Reserve(node.occurrences_, 1);
  OccurrenceStorage::AppendReserved(node.occurrences_, occurrence);
}

void CStringTreeIndex::AddRecords(CINode& node, std::string_view records) {
  COffset& list = node.occurrences_;
  const std::size_t count = records.size() / kOccurrenceRecordSize;
  // The duplicate rule compares each occurrence with the last one kept; a dropped one has that
  // very offset, so comparing with the one before it, kept or not, is the same rule.
  bool repeats = false;
  bool has_last = !list.empty();
  std::int32_t last = has_last ? list.back().offset : 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t offset = DecodeInt32(records.data() + i * kOccurrenceRecordSize);
    if (has_last && offset == last) repeats = true;
    last = offset;
    has_last = true;
  }
  occurrence_storage_.Reserve(list, count);
  if (!repeats) {
    OccurrenceStorage::AppendReserved(list, records.data(), count);
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const char* record = records.data() + i * kOccurrenceRecordSize;
    if (!list.EndsWithOffset(DecodeInt32(record))) {
      OccurrenceStorage::AppendReserved(list, record, 1);
    }
  }
}

CINode* CStringTreeIndex::AddNewWord(std::string_view word, std::size_t hash,
                                     std::size_t occurrences) {
  if (word.size() > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
  // Everything that can throw comes before the first change the index would show.
  ReserveOneMore(nodes_);
  by_word_.ReserveOneMore();
  void* memory = arena_.Allocate(sizeof(CINode) + word.size());
  auto* node = new (memory) CINode(static_cast<std::uint32_t>(word.size()),
                                   static_cast<std::uint32_t>(nodes_.size()));
  std::memcpy(reinterpret_cast<char*>(node + 1), word.data(), word.size());
  occurrence_storage_.Reserve(node->occurrences_, occurrences);  // an unused node is harmless
  by_word_.Add(node, hash);
  nodes_.push_back(node);
  return node;
}

const CINode* CStringTreeIndex::root() const {
  if (nodes_.empty()) return nullptr;
  if (placed_ != nodes_.size()) PlaceNewWords();
  return nodes_.front();
}

void CStringTreeIndex::PlaceNewWords() const {
  in_order_.reserve(nodes_.size());  // the only steps that can throw
  placing_stack_.reserve(nodes_.size());

  const auto less = [](const OrderEntry& a, const OrderEntry& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return CompareWords(a.node->word(), b.node->word()) < 0;
  };
  const auto first_new = static_cast<std::ptrdiff_t>(in_order_.size());
  for (std::size_t i = placed_; i < nodes_.size(); ++i) {
    in_order_.push_back(OrderEntry{WordOrderPrefix(nodes_[i]->word()), nodes_[i]});
  }
  // Sorted and reverse-sorted input, as dictionaries give, need no sorting.
  if (!std::is_sorted(in_order_.begin() + first_new, in_order_.end(), less)) {
    std::reverse(in_order_.begin() + first_new, in_order_.end());
    if (!std::is_sorted(in_order_.begin() + first_new, in_order_.end(), less)) {
      std::sort(in_order_.begin() + first_new, in_order_.end(), less);
    }
  }
  std::inplace_merge(in_order_.begin(), in_order_.begin() + first_new, in_order_.end(), less);
  placed_ = nodes_.size();

  // In the tree, every subtree's root is the earliest inserted of its words: plain descent puts
  // a word below every earlier one between it and its place. Over the words in order, the
  // stack holds the right spine of the tree of the words so far.
  std::vector<CINode*>& spine = placing_stack_;
  spine.clear();
  for (const OrderEntry& entry : in_order_) {
    CINode* node = entry.node;
    CINode* lesser = nullptr;
    while (!spine.empty() && spine.back()->rank_ > node->rank_) {
      lesser = spine.back();
      spine.pop_back();
    }
    node->lesser_ = lesser;
    node->greater_ = nullptr;
    if (!spine.empty()) spine.back()->greater_ = node;
    spine.push_back(node);
  }
}

void CStringTreeIndex::Reset() {
  if (nodes_.empty()) {
    arena_.Clear();  // pieces of insertions that ran out of memory
    occurrence_storage_.Clear();
    return;
  }
  // Empty the index first, so that it is consistent whenever the pump step runs.
  std::vector<CINode*> discarded;
  discarded.swap(nodes_);
  BlockArena discarded_memory = std::move(arena_);
  occurrence_storage_.Clear();
  by_word_.Clear();
  in_order_.clear();
  placed_ = 0;
  while (!discarded.empty()) {
    OccurrenceStorage::Release(discarded.back()->occurrences_);
    discarded.pop_back();
    platform::PumpMessages();
  }
  if (nodes_.empty() && arena_.IsUnused()) {  // nothing was inserted meanwhile: keep the memory
    discarded_memory.Clear();
    arena_ = std::move(discarded_memory);
    nodes_.swap(discarded);
  }
}

}  // namespace store

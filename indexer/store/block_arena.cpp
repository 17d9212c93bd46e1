#include "store/block_arena.h"

#include <new>
#include <utility>

#include "platform/memory.h"

namespace store {
namespace {

constexpr std::align_val_t kLargePageAlignment{platform::kLargePageSize};

// Makes room for one more element, so that a push_back right after cannot throw.
void ReserveOneMore(std::vector<char*>& pointers) {
  if (pointers.size() == pointers.capacity()) pointers.reserve(2 * pointers.size() + 4);
}

char* NewBlock() {
  void* block = ::operator new(BlockArena::kBlockSize, kLargePageAlignment);
  platform::AdviseLargePages(block, BlockArena::kBlockSize);
  return static_cast<char*>(block);
}

void DeleteBlock(char* block) noexcept { ::operator delete(block, kLargePageAlignment); }

}  // namespace

BlockArena::BlockArena(BlockArena&& other) noexcept
    : blocks_(std::move(other.blocks_)),
      oversized_(std::move(other.oversized_)),
      current_(std::exchange(other.current_, 0)),
      next_(std::exchange(other.next_, nullptr)),
      end_(std::exchange(other.end_, nullptr)) {
  other.blocks_.clear();
  other.oversized_.clear();
}

BlockArena& BlockArena::operator=(BlockArena&& other) noexcept {
  if (this != &other) {
    ReleaseAll();
    blocks_ = std::move(other.blocks_);
    oversized_ = std::move(other.oversized_);
    current_ = std::exchange(other.current_, 0);
    next_ = std::exchange(other.next_, nullptr);
    end_ = std::exchange(other.end_, nullptr);
    other.blocks_.clear();
    other.oversized_.clear();
  }
  return *this;
}

BlockArena::~BlockArena() { ReleaseAll(); }

void BlockArena::ReleaseAll() noexcept {
  for (char* block : blocks_) DeleteBlock(block);
  for (char* piece : oversized_) ::operator delete(piece);
  blocks_.clear();
  oversized_.clear();
  current_ = 0;
  next_ = end_ = nullptr;
}

void* BlockArena::AllocateFromNextBlock(std::size_t size) {
  if (size > kBlockSize) {
    ReserveOneMore(oversized_);
    char* piece = static_cast<char*>(::operator new(size));
    oversized_.push_back(piece);
    return piece;
  }
  const std::size_t next_block = blocks_.empty() ? 0 : current_ + 1;
  if (next_block == blocks_.size()) {
    ReserveOneMore(blocks_);
    blocks_.push_back(NewBlock());
  }
  current_ = next_block;
  next_ = blocks_[current_];
  end_ = next_ + kBlockSize;
  void* piece = next_;
  next_ += size;
  return piece;
}

void BlockArena::Clear() {
  for (char* piece : oversized_) ::operator delete(piece);
  oversized_.clear();
  while (blocks_.size() > kKeptBlocks) {
    DeleteBlock(blocks_.back());
    blocks_.pop_back();
  }
  current_ = 0;
  next_ = blocks_.empty() ? nullptr : blocks_.front();
  end_ = blocks_.empty() ? nullptr : next_ + kBlockSize;
}

void* AllocateTableMemory(std::size_t size) {
  if (size < platform::kLargePageSize) return ::operator new(size);
  const std::size_t rounded = (size + platform::kLargePageSize - 1) & ~(platform::kLargePageSize - 1);
  void* memory = ::operator new(rounded, kLargePageAlignment);
  platform::AdviseLargePages(memory, rounded);
  return memory;
}

void FreeTableMemory(void* memory, std::size_t size) noexcept {
  if (size < platform::kLargePageSize) {
    ::operator delete(memory);
  } else {
    ::operator delete(memory, kLargePageAlignment);
  }
}

}  // namespace store

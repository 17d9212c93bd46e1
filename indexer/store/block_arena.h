#ifndef INDEXER_STORE_BLOCK_ARENA_H_
#define INDEXER_STORE_BLOCK_ARENA_H_

#include <cstddef>
#include <vector>

namespace store {

// Memory for the many small pieces of one index tree (nodes with their words, short occurrence
// lists), carved one after another out of large blocks. Pieces are never freed one by one:
// Clear() makes all of it available again at once and keeps the first kKeptBlocks blocks, so
// that the next tree of a build (the next source file, the next letter bucket) finds memory
// ready, while a big tree's memory goes back once it is done. Blocks are aligned and sized for
// large pages (platform/memory.h), which spares most page faults of first use.
//
// Pieces are aligned to 8 bytes. A piece larger than a block gets a block of its own, which
// Clear() gives back. Movable, not copyable; destruction gives every block back.
class BlockArena {
 public:
  static constexpr std::size_t kBlockSize = std::size_t{2} << 20;
  static constexpr std::size_t kKeptBlocks = 4;

  BlockArena() = default;
  BlockArena(BlockArena&& other) noexcept;
  BlockArena& operator=(BlockArena&& other) noexcept;
  BlockArena(const BlockArena&) = delete;
  BlockArena& operator=(const BlockArena&) = delete;
  ~BlockArena();

  // `size` bytes, aligned to 8. Throws std::bad_alloc, and then nothing has changed.
  void* Allocate(std::size_t size) {
    size = (size + 7) & ~std::size_t{7};
    if (size > static_cast<std::size_t>(end_ - next_)) return AllocateFromNextBlock(size);
    void* piece = next_;
    next_ += size;
    return piece;
  }

  // Forgets every piece handed out; up to kKeptBlocks blocks stay for reuse.
  void Clear();

  // Whether no piece has been handed out since construction or the last Clear().
  bool IsUnused() const { return current_ == 0 && next_ == first_free_byte(); }

 private:
  void* AllocateFromNextBlock(std::size_t size);
  char* first_free_byte() const { return blocks_.empty() ? nullptr : blocks_.front(); }
  void ReleaseAll() noexcept;

  std::vector<char*> blocks_;     // of kBlockSize bytes each, in the order they are used
  std::vector<char*> oversized_;  // blocks of single large pieces
  std::size_t current_ = 0;       // the block [next_, end_) lies in, while blocks_ is not empty
  char* next_ = nullptr;
  char* end_ = nullptr;
};

// A buffer for a big table: aligned and advised for large pages when it spans at least one.
// Throws std::bad_alloc.
void* AllocateTableMemory(std::size_t size);
void FreeTableMemory(void* memory, std::size_t size) noexcept;

}  // namespace store

#endif  // INDEXER_STORE_BLOCK_ARENA_H_

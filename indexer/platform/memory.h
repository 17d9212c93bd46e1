#ifndef INDEXER_PLATFORM_MEMORY_H_
#define INDEXER_PLATFORM_MEMORY_H_

#include <cstddef>

namespace platform {

// The size and alignment of a large page: big tables aligned to it can be backed by large pages.
inline constexpr std::size_t kLargePageSize = std::size_t{2} << 20;

// Asks the system to back [memory, memory + size) with large pages where it can (on Linux,
// transparent huge pages): one page fault instead of hundreds when a big table is first
// touched. A hint only; nothing depends on its effect.
void AdviseLargePages(void* memory, std::size_t size);

// Hands free heap memory back to the operating system (the run-time library's heap-shrink
// call), as a build does before consolidation. Nothing depends on its effect.
void ReturnFreeMemoryToSystem();

}  // namespace platform

#endif  // INDEXER_PLATFORM_MEMORY_H_

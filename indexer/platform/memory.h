#ifndef INDEXER_PLATFORM_MEMORY_H_
#define INDEXER_PLATFORM_MEMORY_H_

namespace platform {

// Hands free heap memory back to the operating system (the run-time library's heap-shrink
// call), as a build does before consolidation. Nothing depends on its effect.
void ReturnFreeMemoryToSystem();

}  // namespace platform

#endif  // INDEXER_PLATFORM_MEMORY_H_

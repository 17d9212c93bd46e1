#include "platform/memory.h"

#include <malloc.h>
#include <sys/mman.h>

namespace platform {

void ReturnFreeMemoryToSystem() { ::malloc_trim(0); }

void AdviseLargePages(void* memory, std::size_t size) {
#ifdef MADV_HUGEPAGE
  ::madvise(memory, size, MADV_HUGEPAGE);  // a refusal changes nothing but speed
#else
  (void)memory;
  (void)size;
#endif
}

}  // namespace platform

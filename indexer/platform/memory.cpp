#include "platform/memory.h"

#include <malloc.h>

namespace platform {

void ReturnFreeMemoryToSystem() { ::malloc_trim(0); }

}  // namespace platform

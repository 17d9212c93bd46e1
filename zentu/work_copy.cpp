#include "zentu/work_copy.h"

#include <cstring>

#include "zentu/byte_classes.h"

namespace zentu {

std::size_t CopyToWorkBuffer(char* work, const char* text, std::size_t limit) {
  const unsigned char* bytes = Bytes(text);
  std::size_t length = 0;
  while (bytes[length] != 0) {
    const std::size_t next = length + static_cast<std::size_t>(CharacterLength(bytes + length));
    if (next > limit) break;
    length = next;
  }
  std::memcpy(work, text, length);
  work[length] = '\0';
  return length;
}

}  // namespace zentu

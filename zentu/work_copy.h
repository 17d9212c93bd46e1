#ifndef ZENTU_WORK_COPY_H_
#define ZENTU_WORK_COPY_H_

#include <cstddef>

namespace zentu {

// Copies at most `limit` bytes of text into work, which holds at least limit + 1 bytes, and
// terminates the copy. A longer text is cut at the last character boundary within the limit, so
// the copy never ends in half a double-byte character. Returns the length of the copy.
std::size_t CopyToWorkBuffer(char* work, const char* text, std::size_t limit);

}  // namespace zentu

#endif  // ZENTU_WORK_COPY_H_

#ifndef INDEXER_BUILDING_BASE_NAME_H_
#define INDEXER_BUILDING_BASE_NAME_H_

#include <string_view>

namespace building {

// The part of a path after its last backslash; a byte 0x5C that is the second byte of a
// double-byte character is not a backslash. The whole path when it has none.
std::string_view BaseNameOf(std::string_view path);

}  // namespace building

#endif  // INDEXER_BUILDING_BASE_NAME_H_

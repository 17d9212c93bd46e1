#ifndef INDEXER_PLATFORM_WILDCARD_H_
#define INDEXER_PLATFORM_WILDCARD_H_

#include <string_view>

namespace platform {

// Whether the file name `name` matches the pattern `pattern`, both in code page 932:
//   - '*' matches any run of characters, the empty one included;
//   - '?' matches exactly one character; a double-byte character counts as one;
//   - every other character matches itself, ASCII letters regardless of case, double-byte
//     characters byte for byte;
//   - "*.*" matches every name, with or without a period (as the system's own listing does);
//     otherwise a period in the pattern needs a period in the name.
// An empty pattern matches nothing.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace platform

#endif  // INDEXER_PLATFORM_WILDCARD_H_

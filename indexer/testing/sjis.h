#ifndef INDEXER_TESTING_SJIS_H_
#define INDEXER_TESTING_SJIS_H_

#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace testing_support {

// Text written in UTF-8 in a test, as the code page 932 bytes the program sees. Bytes that are
// ASCII (0x1A, NUL, CR, LF) pass unchanged. For tests only.
inline std::string Sjis(std::string_view utf8) { return platform::Utf8ToCp932(utf8); }

}  // namespace testing_support

#endif  // INDEXER_TESTING_SJIS_H_

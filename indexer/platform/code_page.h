#ifndef INDEXER_PLATFORM_CODE_PAGE_H_
#define INDEXER_PLATFORM_CODE_PAGE_H_

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Conversion between code page 932 (the program's own byte strings) and UTF-8 (host file
// names, terminal output, the window system), through the C library's iconv "CP932".
//
// The lossy conversions never fail: whatever cannot be represented on the other side becomes
// one '?', as the system's own conversions do. A byte that does not begin a valid CP932
// character (0x80, 0xA0, 0xFD-0xFF, a lead byte without a valid second byte) is one
// unrepresentable character; so is a byte that does not begin a valid UTF-8 sequence.
// ASCII passes through both ways unchanged (0x5C stays the backslash, 0x7E the tilde).

std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

// Exact conversions: empty when some character has no counterpart.
std::optional<std::string> Cp932ToUtf8Exactly(std::string_view cp932);
std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8);

// CP932 to UTF-8 for naming host files: valid characters are converted, bytes that do not form
// a CP932 character are kept as they are (the host accepts any byte but '/' and NUL in a name).
// Unlike '?', this keeps two different malformed names apart.
std::string Cp932ToUtf8KeepingInvalidBytes(std::string_view cp932);

}  // namespace platform

#endif  // INDEXER_PLATFORM_CODE_PAGE_H_

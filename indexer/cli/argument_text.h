#ifndef INDEXER_CLI_ARGUMENT_TEXT_H_
#define INDEXER_CLI_ARGUMENT_TEXT_H_

#include <string>
#include <string_view>
#include <variant>

namespace cli {

// Why an argument cannot be taken: one line of English for stderr.
struct ArgumentError {
  std::string message;
};

// The program's value (code page 932) of a directory given on the command line in UTF-8, as
// the build dialogs keep directories: an absolute Windows path of drive C: that ends with a
// backslash, such as "C:\tmp\dic\".
//   - host form: "/tmp/dic" is C:\tmp\dic\; a relative path ("samples/ej", "..\dic") is taken
//     from `host_current_directory` (an absolute host path);
//   - Windows form: "C:\tmp\dic" or "\tmp\dic" is the same; "C:dic" is relative. Drive C: is
//     the host's root and no other drive exists, so "D:\dic" is refused.
//   - '/' and '\' both separate; "." and ".." are resolved by name, without looking at the
//     disk, so a directory that does not exist yet can be named;
//   - names are converted as host file names are (platform/host_path.h), so the program finds
//     the directory again even when a name holds a character that code page 932 lacks.
// The empty string stays empty (it empties a dialog box). A value longer than a profile value
// can be read back (platform::Profile::kMaxValueLength bytes) is refused: the build would store
// it and then work in a directory cut short.
std::variant<std::string, ArgumentError> DirectoryArgument(std::string_view utf8,
                                                           std::string_view host_current_directory);

// A file name or wildcard pattern, or a keyword, given in UTF-8, in code page 932. Refused when
// it holds a character code page 932 lacks or bytes that are not UTF-8 (a wildcard '?' can
// stand for such a character in a pattern), or, with `max_length`, when it is longer.
std::variant<std::string, ArgumentError> Cp932Argument(std::string_view utf8,
                                                       std::string_view what,
                                                       std::size_t max_length = std::string::npos);

// `host_path` made absolute against `host_current_directory`; unchanged when it already is.
std::string AbsoluteHostPath(std::string_view host_path, std::string_view host_current_directory);

}  // namespace cli

#endif  // INDEXER_CLI_ARGUMENT_TEXT_H_

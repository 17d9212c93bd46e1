#ifndef INDEXER_CLI_COMMAND_LINE_H_
#define INDEXER_CLI_COMMAND_LINE_H_

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace cli {

// The commands of indexer-cli: one per menu command of the program.
enum class Command {
  kNone,  // only options such as --help were given
  kBuildEnglishJapanese,
  kBuildJapaneseEnglish,
  kBuildGeneric,
  kMerge,
  kWordList,
  kDump,
  kSearch,
};

// How the command is written on the command line: "build ej", "merge", ...; "" for kNone.
std::string_view CommandName(Command command);

// The command line, as given (UTF-8, nothing converted yet):
//
//   indexer-cli [--profile FILE] [--quiet] COMMAND [OPTIONS]
//
// Options take their value as the next argument or after '=' ("--dir DIR", "--dir=DIR"); an
// empty value is a value. The global options --profile and --quiet are also taken after the
// command. "--" ends the options; what follows is operands (a keyword that begins with '-').
// When an option is given twice, the last one counts.
struct CommandLine {
  Command command = Command::kNone;
  // --help or -h: the help of `command` (of the program when kNone); nothing else is done.
  bool help = false;
  std::optional<std::string> profile;  // --profile FILE: a host path
  bool quiet = false;                  // --quiet
  // The value options of a build given on the command line, by name without the dashes
  // ("dir", "general", ..., "index-dir", "files").
  std::map<std::string, std::string, std::less<>> values;
  bool tag = false;                    // search --tag
  bool raw = false;                    // search --raw
  std::optional<std::string> keyword;  // search KEYWORD
};

// A command line that cannot be run: the one-line reason, and the command it concerns (for the
// hint at its help).
struct UsageError {
  std::string message;
  Command command = Command::kNone;
};

// Parses the arguments after the program name. An unknown command or option, an option of
// another command, a missing value or keyword, an extra operand: UsageError. Parsing stops at
// the first --help, which wins over everything after it.
std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const char* const> arguments);

}  // namespace cli

#endif  // INDEXER_CLI_COMMAND_LINE_H_

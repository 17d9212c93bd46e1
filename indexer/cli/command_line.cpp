#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <vector>

namespace cli {
namespace {

constexpr std::array<std::string_view, 8> kEnglishJapaneseOptions = {
    "dir", "general", "tech", "proper", "abbrev", "supplement", "bilingual", "index-dir"};
constexpr std::array<std::string_view, 3> kFileSelectionOptions = {"dir", "files", "index-dir"};

// The value options a command accepts.
std::span<const std::string_view> ValueOptionsOf(Command command) {
  switch (command) {
    case Command::kBuildEnglishJapanese:
      return kEnglishJapaneseOptions;
    case Command::kBuildJapaneseEnglish:
    case Command::kBuildGeneric:
      return kFileSelectionOptions;
    default:
      return {};
  }
}

bool Contains(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::optional<Command> CommandNamed(std::string_view word) {
  if (word == "merge") return Command::kMerge;
  if (word == "wordlist") return Command::kWordList;
  if (word == "dump") return Command::kDump;
  if (word == "search") return Command::kSearch;
  return std::nullopt;
}

std::optional<Command> BuildKindNamed(std::string_view word) {
  if (word == "ej") return Command::kBuildEnglishJapanese;
  if (word == "je") return Command::kBuildJapaneseEnglish;
  if (word == "generic") return Command::kBuildGeneric;
  return std::nullopt;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

class Parser {
 public:
  explicit Parser(std::span<const char* const> arguments)
      : arguments_(arguments.begin(), arguments.end()) {}

  std::variant<CommandLine, UsageError> Parse() {
    bool options_ended = false;
    while (next_ < arguments_.size()) {
      const std::string_view argument = arguments_[next_++];
      if (!options_ended && argument == "--") {
        options_ended = true;
      } else if (!options_ended && (argument == "--help" || argument == "-h")) {
        line_.help = true;
        return line_;
      } else if (!options_ended && argument.size() > 1 && argument[0] == '-') {
        if (!TakeOption(argument)) return error_;
      } else if (line_.command == Command::kNone) {
        if (!TakeCommand(argument)) return error_;
        if (line_.help) return line_;
      } else if (!TakeOperand(argument)) {
        return error_;
      }
    }
    if (line_.command == Command::kNone) {
      Fail("no command given");
      return error_;
    }
    if (line_.command == Command::kSearch && !line_.keyword) {
      Fail("search needs a KEYWORD");
      return error_;
    }
    return line_;
  }

 private:
  bool Fail(std::string message) {
    error_ = UsageError{std::move(message), line_.command};
    return false;
  }

  bool TakeCommand(std::string_view word) {
    if (word == "build") {
      if (next_ == arguments_.size()) return Fail("build needs a kind: ej, je or generic");
      const std::string_view kind = arguments_[next_];
      if (kind == "--help" || kind == "-h") {  // the program's help lists the three builds
        ++next_;
        line_.help = true;
        return true;
      }
      ++next_;
      std::optional<Command> build = BuildKindNamed(kind);
      if (!build) return Fail("unknown build " + Quoted(kind) + " (ej, je or generic)");
      line_.command = *build;
      return true;
    }
    std::optional<Command> command = CommandNamed(word);
    if (!command) return Fail("unknown command " + Quoted(word));
    line_.command = *command;
    return true;
  }

  bool TakeOperand(std::string_view operand) {
    if (line_.command == Command::kSearch && !line_.keyword) {
      line_.keyword = std::string(operand);
      return true;
    }
    if (line_.command == Command::kSearch) return Fail("search takes one KEYWORD");
    return Fail("unexpected argument " + Quoted(operand));
  }

  // Takes the value of an option: after '=' or the next argument.
  bool TakeValue(std::string_view name, std::optional<std::string_view> attached,
                 std::string& value) {
    if (attached) {
      value = std::string(*attached);
      return true;
    }
    if (next_ == arguments_.size()) return Fail("option --" + std::string(name) + " needs a value");
    value = arguments_[next_++];
    return true;
  }

  bool TakeOption(std::string_view argument) {
    if (argument.substr(0, 2) != "--") return Fail("unknown option " + Quoted(argument));
    std::string_view name = argument.substr(2);
    std::optional<std::string_view> attached;
    if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
      attached = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    const bool is_flag = name == "quiet" || (line_.command == Command::kSearch &&
                                             (name == "tag" || name == "raw"));
    if (is_flag && attached) return Fail("option --" + std::string(name) + " takes no value");

    if (name == "profile") {
      std::string value;
      if (!TakeValue(name, attached, value)) return false;
      if (value.empty()) return Fail("option --profile needs a file name");
      line_.profile = std::move(value);
      return true;
    }
    if (name == "quiet") {
      line_.quiet = true;
      return true;
    }
    if (line_.command == Command::kSearch && name == "tag") {
      line_.tag = true;
      return true;
    }
    if (line_.command == Command::kSearch && name == "raw") {
      line_.raw = true;
      return true;
    }
    if (Contains(ValueOptionsOf(line_.command), name)) {
      return TakeValue(name, attached, line_.values[std::string(name)]);
    }
    if (line_.command == Command::kNone) return Fail("unknown option " + Quoted(argument));
    return Fail("unknown option --" + std::string(name) + " for " +
                std::string(CommandName(line_.command)));
  }

  std::vector<std::string_view> arguments_;
  std::size_t next_ = 0;
  CommandLine line_;
  UsageError error_;
};

}  // namespace

std::string_view CommandName(Command command) {
  switch (command) {
    case Command::kNone:
      return "";
    case Command::kBuildEnglishJapanese:
      return "build ej";
    case Command::kBuildJapaneseEnglish:
      return "build je";
    case Command::kBuildGeneric:
      return "build generic";
    case Command::kMerge:
      return "merge";
    case Command::kWordList:
      return "wordlist";
    case Command::kDump:
      return "dump";
    case Command::kSearch:
      return "search";
  }
  return "";
}

std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const char* const> arguments) {
  return Parser(arguments).Parse();
}

}  // namespace cli

#ifndef INDEXER_CLI_HELP_TEXT_H_
#define INDEXER_CLI_HELP_TEXT_H_

#include <string>
#include <string_view>

#include "cli/command_line.h"

namespace cli {

// The text of --help: the program's (kNone) or a command's, in UTF-8, ending with a line feed.
// `default_profile` is the host path used without --profile.
std::string HelpText(Command command, std::string_view default_profile);

}  // namespace cli

#endif  // INDEXER_CLI_HELP_TEXT_H_

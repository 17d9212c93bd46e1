#ifndef INDEXER_CLI_BUILD_COMMANDS_H_
#define INDEXER_CLI_BUILD_COMMANDS_H_

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/session.h"

namespace cli {

// The three builds, each as its menu command runs with a user who opens the build's dialog
// (its boxes loaded from the profile with the dialog's defaults), changes only the boxes given
// on the command line (an empty value empties a box), and presses OK: the dialog's checks
// (Japanese-English and generic: a file name, a directory and an index directory are needed;
// the message, exit status 2, nothing written), the dialog's profile writes in its order, then
// the build itself (building/build_loop.h).
//
// Directories are converted by DirectoryArgument, patterns by Cp932Argument (argument_text.h);
// a value refused there is a usage error, before anything is written.
//
// Success is the build's "Finished!". A listing that cannot be made ("失敗しました(/_;)") is
// a failure (exit status 1); file errors propagate to the caller.
ExitStatus RunBuildCommand(Session& session, const CommandLine& line);

}  // namespace cli

#endif  // INDEXER_CLI_BUILD_COMMANDS_H_

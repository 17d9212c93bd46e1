#ifndef INDEXER_CLI_EXIT_STATUS_H_
#define INDEXER_CLI_EXIT_STATUS_H_

namespace cli {

// The exit status of indexer-cli, the same for every command.
enum class ExitStatus {
  kSuccess = 0,
  // The operation failed: a file error, a build or merge that did not complete, an unsupported
  // index file, output that could not be written.
  kFailed = 1,
  // The command line was wrong, or a value was refused by the checks of the command's dialog.
  kUsage = 2,
};

}  // namespace cli

#endif  // INDEXER_CLI_EXIT_STATUS_H_

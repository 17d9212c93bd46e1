#ifndef INDEXER_CLI_INDEXER_CLI_H_
#define INDEXER_CLI_INDEXER_CLI_H_

#include <span>

namespace cli {

// Runs indexer-cli with the arguments after the program name and returns its exit status
// (cli/exit_status.h). --help writes the help to stdout; a usage error is one line on stderr,
// "indexer-cli: REASON (see 'indexer-cli COMMAND --help')". Otherwise the command runs in a
// Session; a file error, running out of memory or any other error that ends it is reported as
// one line "error: ..." on stderr, and nothing of it counts as success.
int RunIndexerCli(std::span<const char* const> arguments);

}  // namespace cli

#endif  // INDEXER_CLI_INDEXER_CLI_H_

// indexer-cli: the command-line front end of the indexer (cli/indexer_cli.h).
#include <span>

#include "cli/indexer_cli.h"

int main(int argc, char** argv) {
  return cli::RunIndexerCli(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0));
}

#include "cli/session.h"

#include <unistd.h>

#include <cstdio>

namespace cli {
namespace {

bool StderrIsTerminal() { return ::isatty(::fileno(stderr)) == 1; }

platform::ConsoleUserInterface::Options ConsoleOptions(bool quiet, bool terminal) {
  platform::ConsoleUserInterface::Options options;
  options.stream = stderr;
  options.quiet = quiet;
  options.terminal = terminal;
  return options;
}

}  // namespace

Session::Session(Options options)
    : host_current_directory_(std::move(options.host_current_directory)),
      shows_progress_(!options.quiet && StderrIsTerminal()),
      disk_profiles_(std::move(options.profile_host_path)),
      ui(ConsoleOptions(options.quiet, StderrIsTerminal())),
      document(disk_profiles_.Application(), ui),
      context(document, disk_profiles_, ui),
      pump_(&ui) {}

}  // namespace cli

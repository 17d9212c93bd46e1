#ifndef INDEXER_CLI_SESSION_H_
#define INDEXER_CLI_SESSION_H_

#include <string>

#include "cli/cli_user_interface.h"
#include "platform/message_pump.h"
#include "platform/profiles.h"
#include "shell/command_context.h"
#include "shell/document.h"

namespace cli {

// What one run of indexer-cli works with, as the desktop program's window does: the profiles
// on disk (the application profile at the host path given), the console user interface (also
// the message pump), the document and the commands' context. The current directory is taken
// once at the start, before any command can change it (the dump does).
class Session {
 public:
  struct Options {
    std::string profile_host_path;  // absolute
    bool quiet = false;
    std::string host_current_directory;
  };

  explicit Session(Options options);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const std::string& host_current_directory() const { return host_current_directory_; }
  // Whether builds draw a progress line (stderr is a terminal and not --quiet).
  bool shows_progress() const { return shows_progress_; }

 private:
  std::string host_current_directory_;
  bool shows_progress_;
  platform::DiskProfiles disk_profiles_;

 public:
  CliUserInterface ui;
  shell::CIndexerDoc document;
  shell::CommandContext context;

 private:
  platform::ScopedMessagePump pump_;
};

}  // namespace cli

#endif  // INDEXER_CLI_SESSION_H_

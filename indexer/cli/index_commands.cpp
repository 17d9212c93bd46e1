#include "cli/index_commands.h"

#include <string>

#include "building/profile_keys.h"
#include "shell/dump_command.h"
#include "shell/merge_command.h"
#include "shell/word_list_command.h"
#include "store/word_list.h"

namespace cli {
ExitStatus RunMergeCommand(Session& session) {
  return shell::RunMergeCommand(session.context) ? ExitStatus::kSuccess : ExitStatus::kFailed;
}

ExitStatus RunWordListCommand(Session& session) {
  if (shell::RunWordListCommand(session.context)) return ExitStatus::kSuccess;
  // The window's command shows its message either way; a script must learn that nothing was
  // written.
  session.ui.ReportError("cannot write the word list " +
                         building::ReadString(session.context.application_profile(),
                                              building::profile_keys::kCurrentIndexDir) +
                         std::string(store::kWordListFileName));
  return ExitStatus::kFailed;
}

ExitStatus RunDumpCommand(Session& session) {
  shell::RunDumpCommand(session.context);
  return ExitStatus::kSuccess;
}

}  // namespace cli

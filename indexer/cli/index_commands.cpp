#include "cli/index_commands.h"

#include <sys/stat.h>

#include <optional>
#include <string>

#include "building/profile_keys.h"
#include "platform/host_path.h"
#include "platform/ui_text.h"
#include "shell/dump_command.h"
#include "shell/merge_command.h"
#include "shell/word_list_command.h"
#include "store/word_list.h"

namespace cli {
namespace {

// What identifies one version of a file: it is replaced by renaming a new file over it, so a
// file that was written has another inode (or did not exist before).
std::optional<ino_t> InodeOf(const std::string& program_path) {
  struct stat status {};
  if (::stat(platform::ResolveHostPath(program_path).c_str(), &status) != 0 ||
      !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  return status.st_ino;
}

}  // namespace

ExitStatus RunMergeCommand(Session& session) {
  shell::RunMergeCommand(session.context);
  return session.ui.WasShown(platform::Cp932Text("マージ完了!!")) ? ExitStatus::kSuccess
                                                                    : ExitStatus::kFailed;
}

ExitStatus RunWordListCommand(Session& session) {
  const std::string path =
      building::ReadString(session.context.application_profile(),
                           building::profile_keys::kCurrentIndexDir) +
      std::string(store::kWordListFileName);
  const std::optional<ino_t> before = InodeOf(path);
  shell::RunWordListCommand(session.context);
  const std::optional<ino_t> after = InodeOf(path);
  if (!after || after == before) {
    session.ui.ReportError("cannot write the word list " + path);
    return ExitStatus::kFailed;
  }
  return ExitStatus::kSuccess;
}

ExitStatus RunDumpCommand(Session& session) {
  shell::RunDumpCommand(session.context);
  return ExitStatus::kSuccess;
}

}  // namespace cli

#include "shell/merge_command.h"

#include "building/profile_keys.h"
#include "platform/shift_jis.h"
#include "platform/ui_text.h"
#include "shell/busy_flag.h"

namespace shell {

bool RunMergeCommand(CommandContext& context) {
  if (!context.IsCommandEnabled()) return false;
  ScopedBusyFlag busy(context.busy_flag());
  const std::string directory =
      building::ReadString(context.application_profile(), building::profile_keys::kFengIndexDir);
  std::optional<std::vector<std::string>> names = context.ListFiles(directory + "IDX_TEST.*");
  if (!names) {
    context.ReportListingFailure();
    return false;
  }
  std::vector<std::string> paths;
  for (const std::string& name : *names) paths.push_back(platform::UpperCased(directory + name));

  const bool merged = context.document().ConsolidateIndexes(paths);
  context.ui().Beep();
  context.ui().ShowMessage(merged ? platform::Cp932Text("マージ完了!!")
                                  : platform::Cp932Text("マージに失敗しました(;_;)"));
  return merged;
}

}  // namespace shell

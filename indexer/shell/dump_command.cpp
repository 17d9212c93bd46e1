#include "shell/dump_command.h"

#include "building/profile_keys.h"
#include "building/source_file_registry.h"
#include "platform/current_directory.h"
#include "shell/busy_flag.h"
#include "store/index_dump.h"

namespace shell {

void RunDumpCommand(CommandContext& context) {
  if (!context.IsCommandEnabled()) return;
  ScopedBusyFlag busy(context.busy_flag());
  platform::Profile& profile = context.application_profile();
  const std::string directory = building::ReadString(profile, building::profile_keys::kFengIndexDir);
  platform::ChangeCurrentDirectory(directory);
  store::DumpIndexFiles(directory, [&profile](int file_id) {
    return building::SourceFileRegistry::SourcePathOf(profile, file_id);
  });
}

}  // namespace shell

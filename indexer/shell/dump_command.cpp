#include "shell/dump_command.h"

#include "building/profile_keys.h"
#include "building/source_file_registry.h"
#include "platform/current_directory.h"
#include "shell/busy_flag.h"
#include "store/index_dump.h"

namespace shell {
namespace {

bool IsRelative(std::string_view path) {
  const bool has_drive = path.size() >= 2 && path[1] == ':';
  return !path.empty() && !has_drive && path[0] != '\\' && path[0] != '/';
}

// `directory` as it names the same folder after the current directory has changed.
std::string Anchored(const std::string& directory) {
  if (!IsRelative(directory)) return directory;
  return platform::CurrentDirectoryPrefix() + directory;
}

}  // namespace

void RunDumpCommand(CommandContext& context) {
  if (!context.IsCommandEnabled()) return;
  ScopedBusyFlag busy(context.busy_flag());
  platform::Profile& profile = context.application_profile();
  // The command makes the index directory the current one; a relative value is anchored first,
  // or the files would be looked for one level too deep.
  const std::string directory =
      Anchored(building::ReadString(profile, building::profile_keys::kFengIndexDir));
  platform::ChangeCurrentDirectory(directory);
  store::DumpIndexFiles(directory, [&profile](int file_id) {
    return building::SourceFileRegistry::SourcePathOf(profile, file_id);
  });
}

}  // namespace shell

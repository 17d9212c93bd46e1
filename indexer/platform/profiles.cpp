#include "platform/profiles.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/profile_file.h"
#include "platform/shift_jis.h"

namespace platform {

namespace {

std::string FolderOf(const std::string& host_path) {
  std::filesystem::path folder = std::filesystem::path(host_path).parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

DiskProfiles::DiskProfiles(std::string application_profile_host_path)
    : application_path_(std::move(application_profile_host_path)),
      folder_(FolderOf(application_path_)),
      application_(ProfileFile::AtHostPath(application_path_, true)) {}

DiskProfiles::~DiskProfiles() = default;

Profile& DiskProfiles::Application() { return *application_; }

Profile& DiskProfiles::Named(std::string_view path) {
  auto found = named_.find(path);
  if (found != named_.end()) return *found->second;
  std::unique_ptr<Profile> profile =
      IsBareFileName(path) ? ProfileFile::InHostFolder(folder_, std::string(path), true)
                           : ProfileFile::AtProgramPath(std::string(path));
  return *named_.emplace(std::string(path), std::move(profile)).first->second;
}

std::string DefaultApplicationProfilePath() {
  std::filesystem::path folder;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
      const passwd* user = ::getpwuid(::getuid());
      home = user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
    }
    folder = std::filesystem::path(home) / ".config";
  }
  return (folder / "indexer" / "INDEXER.INI").string();
}

bool IsBareFileName(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return false;
  for (std::size_t i = 0; i < path.size(); i += CharacterLengthAt(path, i)) {
    if (path[i] == '\\' || path[i] == '/') return false;
  }
  return true;
}

}  // namespace platform

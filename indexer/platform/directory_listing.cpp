#include "platform/directory_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <tuple>

#include "platform/host_path.h"
#include "platform/shift_jis.h"
#include "platform/wildcard.h"

namespace platform {
namespace {

enum class EntryKind { kFile, kDirectory };

struct ListedName {
  std::string upper;
  std::string name;
  std::string host_name;
  bool operator<(const ListedName& other) const {
    return std::tie(upper, name, host_name) <
           std::tie(other.upper, other.name, other.host_name);
  }
};

// Splits the pattern after its last separator (a backslash that is not a second byte, a
// slash, or the colon of a drive prefix): the directory part keeps its separator.
void SplitPattern(std::string_view pattern, std::string_view& directory,
                  std::string_view& name_pattern) {
  std::size_t name_start = 0;
  if (pattern.size() >= 2 && pattern[1] == ':') name_start = 2;
  for (std::size_t i = name_start; i < pattern.size();) {
    if (pattern[i] == '\\' || pattern[i] == '/') {
      name_start = ++i;
    } else {
      i += CharacterLengthAt(pattern, i);
    }
  }
  directory = pattern.substr(0, name_start);
  name_pattern = pattern.substr(name_start);
}

bool IsRoot(const std::string& host_directory) {
  struct stat directory {};
  struct stat root {};
  return ::stat(host_directory.c_str(), &directory) == 0 && ::stat("/", &root) == 0 &&
         directory.st_dev == root.st_dev && directory.st_ino == root.st_ino;
}

std::vector<ListedName> Collect(std::string_view pattern, EntryKind kind,
                                ReadOnlyFiles read_only, std::string* host_directory_out) {
  std::string_view directory;
  std::string_view name_pattern;
  SplitPattern(pattern, directory, name_pattern);
  std::string host_directory = ResolveHostPath(directory);
  if (host_directory_out != nullptr) *host_directory_out = host_directory;
  std::vector<ListedName> listed;
  if (host_directory.empty()) return listed;  // a drive other than C:
  DIR* stream = ::opendir(host_directory.c_str());
  if (stream == nullptr) return listed;
  std::string prefix = host_directory;
  if (prefix.back() != '/') prefix += '/';
  while (const dirent* entry = ::readdir(stream)) {
    std::string_view host_name = entry->d_name;
    if (host_name.empty() || host_name[0] == '.') continue;  // hidden, "." and ".."
    std::string name = ProgramNameOfHost(host_name);
    if (!MatchesWildcard(name, name_pattern)) continue;
    struct stat info {};
    if (::stat((prefix + std::string(host_name)).c_str(), &info) != 0) continue;
    if (kind == EntryKind::kDirectory) {
      if (!S_ISDIR(info.st_mode)) continue;
    } else {
      if (!S_ISREG(info.st_mode)) continue;
      if (read_only == ReadOnlyFiles::kExcluded && (info.st_mode & S_IWUSR) == 0) continue;
    }
    listed.push_back({UpperCased(name), std::move(name), std::string(host_name)});
  }
  ::closedir(stream);
  std::sort(listed.begin(), listed.end());
  return listed;
}

}  // namespace

std::vector<std::string> ListFiles(std::string_view pattern, ReadOnlyFiles read_only) {
  std::vector<std::string> names;
  for (ListedName& listed : Collect(pattern, EntryKind::kFile, read_only, nullptr)) {
    names.push_back(std::move(listed.name));
  }
  return names;
}

std::vector<std::string> ListSubdirectories(std::string_view pattern) {
  std::string host_directory;
  std::vector<ListedName> listed =
      Collect(pattern, EntryKind::kDirectory, ReadOnlyFiles::kIncluded, &host_directory);
  std::vector<std::string> names;
  std::string_view directory;
  std::string_view name_pattern;
  SplitPattern(pattern, directory, name_pattern);
  struct stat info {};
  if (!host_directory.empty() && ::stat(host_directory.c_str(), &info) == 0 &&
      S_ISDIR(info.st_mode) && !IsRoot(host_directory) && MatchesWildcard("..", name_pattern)) {
    names.push_back("[..]");
  }
  for (ListedName& entry : listed) names.push_back("[" + entry.name + "]");
  return names;
}

std::vector<std::string> ListDrives() { return {"[-c-]"}; }

}  // namespace platform

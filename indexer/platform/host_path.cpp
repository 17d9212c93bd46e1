#include "platform/host_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>
#include <vector>

#include "platform/code_page.h"
#include "platform/shift_jis.h"

namespace platform {
namespace {

bool IsSeparatorByte(char c) { return c == '\\' || c == '/'; }

struct ParsedPath {
  bool on_missing_drive = false;
  bool absolute = false;
  bool trailing_separator = false;
  std::vector<std::string_view> components;
};

ParsedPath Parse(std::string_view path) {
  ParsedPath parsed;
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
    if (path[0] != 'C' && path[0] != 'c') {
      parsed.on_missing_drive = true;
      return parsed;
    }
    path.remove_prefix(2);
  }
  parsed.absolute = !path.empty() && IsSeparatorByte(path[0]);
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < path.size()) {
    if (IsSeparatorByte(path[i])) {
      if (i > start) parsed.components.push_back(path.substr(start, i - start));
      parsed.trailing_separator = true;
      start = ++i;
      continue;
    }
    parsed.trailing_separator = false;
    i += CharacterLengthAt(path, i);
  }
  if (i > start) parsed.components.push_back(path.substr(start, i - start));
  return parsed;
}

bool EntryExists(const std::string& host_path) {
  struct stat info {};
  return ::lstat(host_path.c_str(), &info) == 0;
}

std::string Join(const std::string& directory, std::string_view name) {
  std::string joined = directory;
  if (!joined.empty() && joined.back() != '/') joined += '/';
  joined += name;
  return joined;
}

// Finds the entry of `host_directory` that the program name `name` stands for, when its exact
// host form does not exist: first one whose program name equals `name`, then one that equals
// it with letter case ignored; the first in byte order of host names within each kind.
std::optional<std::string> FindMatchingEntry(const std::string& host_directory,
                                             std::string_view name) {
  DIR* directory = ::opendir(host_directory.empty() ? "." : host_directory.c_str());
  if (directory == nullptr) return std::nullopt;
  std::optional<std::string> exact;
  std::optional<std::string> folded;
  while (const dirent* entry = ::readdir(directory)) {
    std::string_view host_name = entry->d_name;
    if (host_name == "." || host_name == "..") continue;
    std::string program_name = ProgramNameOfHost(host_name);
    if (program_name == name) {
      if (!exact || host_name < *exact) exact = std::string(host_name);
    } else if (!exact && EqualIgnoringCase(program_name, name)) {
      if (!folded || host_name < *folded) folded = std::string(host_name);
    }
  }
  ::closedir(directory);
  return exact ? exact : folded;
}

// Resolves one component inside `host_directory`; sets `exists` to whether the result names
// an existing entry, so that nothing is searched below a missing directory.
std::string ResolveComponent(const std::string& host_directory, std::string_view name,
                             bool& exists) {
  std::string host_name = Cp932ToUtf8KeepingInvalidBytes(name);
  if (!exists) return host_name;
  if (name == "." || name == "..") return host_name;
  if (EntryExists(Join(host_directory.empty() ? "." : host_directory, host_name))) {
    return host_name;
  }
  if (std::optional<std::string> match = FindMatchingEntry(host_directory, name)) {
    return *match;
  }
  exists = false;
  return host_name;
}

std::string Resolve(std::string_view program_path) {
  ParsedPath parsed = Parse(program_path);
  if (parsed.on_missing_drive) return std::string();
  std::string host = parsed.absolute ? "/" : "";
  bool exists = true;
  for (std::string_view component : parsed.components) {
    std::string name = ResolveComponent(host, component, exists);
    host = Join(host, name);
  }
  if (host.empty()) return ".";
  if (parsed.trailing_separator && host.back() != '/') host += '/';
  return host;
}

}  // namespace

std::string ResolveHostPath(std::string_view program_path) { return Resolve(program_path); }

std::string ResolveHostPathForCreation(std::string_view program_path) {
  // The last component is resolved like every other: an existing name that matches it
  // case-insensitively is reused, else it is created as given.
  return Resolve(program_path);
}

std::string ResolveHostNameIn(const std::string& host_directory, std::string_view name) {
  bool exists = true;
  return Join(host_directory, ResolveComponent(host_directory, name, exists));
}

std::string ProgramNameOfHost(std::string_view host_name) { return Utf8ToCp932(host_name); }

std::string ProgramPathOfHost(std::string_view host_path) {
  std::string program = "C:";
  std::string converted = ProgramNameOfHost(host_path);
  for (char& c : converted) {
    if (c == '/') c = '\\';
  }
  if (converted.empty() || converted[0] != '\\') program += '\\';
  program += converted;
  return program;
}

std::string ProgramDirectoryOfHost(std::string_view host_directory) {
  std::string program = ProgramPathOfHost(host_directory);
  if (host_directory.empty() || host_directory.back() != '/') program += '\\';
  return program;
}

}  // namespace platform

#include "cli/argument_text.h"

#include <vector>

#include "platform/code_page.h"
#include "platform/host_path.h"
#include "platform/profile.h"

namespace cli {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Appends the components of `path` to `components`, resolving "." and ".." by name.
void AddComponents(std::string_view path, std::vector<std::string>& components) {
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::string_view name = path.substr(start, end - start);
    if (name == "..") {
      if (!components.empty()) components.pop_back();
    } else if (!name.empty() && name != ".") {
      components.emplace_back(name);
    }
    start = end + 1;
  }
}

}  // namespace

std::variant<std::string, ArgumentError> DirectoryArgument(
    std::string_view utf8, std::string_view host_current_directory) {
  if (utf8.empty()) return std::string();

  std::string_view path = utf8;
  const bool has_drive = path.size() >= 2 && path[1] == ':' &&
                         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  if (has_drive) {
    if (path[0] != 'C' && path[0] != 'c') {
      return ArgumentError{"no drive " + std::string(path.substr(0, 2)) + " in '" +
                           std::string(utf8) + "': drive C: is the root of the file system"};
    }
    path.remove_prefix(2);
  }

  std::vector<std::string> components;
  if (path.empty() || !IsSeparator(path[0])) {
    if (host_current_directory.empty()) {
      return ArgumentError{"cannot tell the current directory to place '" + std::string(utf8) +
                           "' in"};
    }
    AddComponents(host_current_directory, components);
  }
  AddComponents(path, components);

  std::string host_path;
  for (const std::string& name : components) host_path += "/" + name;
  if (host_path.empty()) host_path = "/";
  const std::string program_path = platform::ProgramDirectoryOfHost(host_path);
  if (program_path.size() > platform::Profile::kMaxValueLength) {
    return ArgumentError{"the directory '" + std::string(utf8) + "' is longer than the " +
                         std::to_string(platform::Profile::kMaxValueLength) +
                         " bytes a profile value can hold"};
  }
  return program_path;
}

std::variant<std::string, ArgumentError> Cp932Argument(std::string_view utf8,
                                                       std::string_view what,
                                                       std::size_t max_length) {
  std::optional<std::string> converted = platform::Utf8ToCp932Exactly(utf8);
  if (!converted) {
    return ArgumentError{"the " + std::string(what) + " '" + std::string(utf8) +
                         "' holds a character that code page 932 lacks"};
  }
  if (converted->size() > max_length) {
    return ArgumentError{"the " + std::string(what) + " '" + std::string(utf8) +
                         "' is longer than the " + std::to_string(max_length) +
                         " bytes a profile value can hold"};
  }
  return *std::move(converted);
}

std::string AbsoluteHostPath(std::string_view host_path, std::string_view host_current_directory) {
  if (!host_path.empty() && host_path[0] == '/') return std::string(host_path);
  std::string absolute(host_current_directory);
  if (absolute.empty() || absolute.back() != '/') absolute += '/';
  absolute += host_path;
  return absolute;
}

}  // namespace cli

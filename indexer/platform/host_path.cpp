#include "platform/host_path.h"

namespace platform {

// Interim mapping: drive letter dropped, backslashes turned into slashes, no case-insensitive
// resolution and no code-page conversion.
static std::string MapSimply(std::string_view program_path) {
  std::string path(program_path);
  if (path.size() >= 2 && path[1] == ':') path.erase(0, 2);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

std::string ResolveHostPath(std::string_view program_path) { return MapSimply(program_path); }

std::string ResolveHostPathForCreation(std::string_view program_path) {
  return MapSimply(program_path);
}

}  // namespace platform

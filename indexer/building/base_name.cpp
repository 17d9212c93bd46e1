#include "building/base_name.h"

#include "platform/shift_jis.h"

namespace building {

std::string_view BaseNameOf(std::string_view path) {
  std::size_t name_start = 0;
  for (std::size_t i = 0; i < path.size();) {
    if (path[i] == '\\') {
      name_start = ++i;
    } else {
      i += platform::CharacterLengthAt(path, i);
    }
  }
  return path.substr(name_start);
}

}  // namespace building

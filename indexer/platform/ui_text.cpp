#include "platform/ui_text.h"

#include <mutex>
#include <unordered_map>

#include "platform/code_page.h"

namespace platform {

const std::string& Cp932Text(std::string_view utf8) {
  static std::mutex mutex;
  // Node-based: references to stored values survive later insertions.
  static std::unordered_map<std::string, std::string> converted;
  std::lock_guard<std::mutex> lock(mutex);
  auto [at, inserted] = converted.try_emplace(std::string(utf8));
  if (inserted) at->second = Utf8ToCp932(utf8);
  return at->second;
}

const std::string& ApplicationTitle() {
  static const std::string& title = Cp932Text("Windows アプリケーション INDEXER");
  return title;
}

}  // namespace platform

#include "shell/command_context.h"

#include <new>

#include "platform/directory_listing.h"
#include "platform/ui_text.h"

namespace shell {

std::optional<std::vector<std::string>> ListMatchingFiles(std::string_view pattern) {
  try {
    return platform::ListFiles(pattern, platform::ReadOnlyFiles::kIncluded);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

CommandContext::CommandContext(CIndexerDoc& document, platform::Profiles& profiles,
                               platform::UserInterface& ui)
    : document_(document), profiles_(profiles), ui_(ui) {}

void CommandContext::ReportListingFailure() {
  ui_.Beep();
  ui_.ShowMessage(platform::Cp932Text("失敗しました(/_;)"));
}

}  // namespace shell

#include "shell/word_list_command.h"

#include "platform/ui_text.h"

namespace shell {

bool RunWordListCommand(CommandContext& context) {
  if (!context.IsCommandEnabled()) return false;
  const bool written = context.document().WriteWordList();
  context.ui().ShowMessage(platform::Cp932Text("終了しました"));
  return written;
}

}  // namespace shell

#include "shell/word_list_command.h"

#include "platform/ui_text.h"

namespace shell {

void RunWordListCommand(CommandContext& context) {
  if (!context.IsCommandEnabled()) return;
  context.document().WriteWordList();
  context.ui().ShowMessage(platform::Cp932Text("終了しました"));
}

}  // namespace shell

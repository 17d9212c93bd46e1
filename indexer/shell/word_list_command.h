#ifndef INDEXER_SHELL_WORD_LIST_COMMAND_H_
#define INDEXER_SHELL_WORD_LIST_COMMAND_H_

#include "shell/command_context.h"

namespace shell {

// The word-list command ("単語ﾘｽﾄ"): writes the word list of the finished index in
// "Current"/"IndexDir" (CIndexerDoc::WriteWordList) and shows "終了しました", also when the
// word list file could not be created. It does not set the view's busy flag. File errors
// (a letter index file that ends inside a record) propagate, with no message. True when the
// word list file was written.
bool RunWordListCommand(CommandContext& context);

}  // namespace shell

#endif  // INDEXER_SHELL_WORD_LIST_COMMAND_H_

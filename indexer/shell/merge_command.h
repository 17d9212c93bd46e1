#ifndef INDEXER_SHELL_MERGE_COMMAND_H_
#define INDEXER_SHELL_MERGE_COMMAND_H_

#include "shell/command_context.h"

namespace shell {

// The merge command ("INDEX統合"): with the view busy, lists "IDX_TEST.*" in the profile's
// "FENGDIC"/"IndexDir", upper-cases each path (that directory followed by the name) and
// consolidates them (CIndexerDoc::ConsolidateIndexes), so the letter index files and the word
// list go to "Current"/"IndexDir". Then the beep and "マージ完了!!" when consolidation ran, or
// "マージに失敗しました(;_;)" when it did nothing (no partial file, or both directory values
// empty). A listing that cannot be made: beep and "失敗しました(/_;)". File errors propagate,
// with no completion message; the busy flag is cleared on every way out. True when the partial
// files were consolidated.
bool RunMergeCommand(CommandContext& context);

}  // namespace shell

#endif  // INDEXER_SHELL_MERGE_COMMAND_H_

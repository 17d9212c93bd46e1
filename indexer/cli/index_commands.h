#ifndef INDEXER_CLI_INDEX_COMMANDS_H_
#define INDEXER_CLI_INDEX_COMMANDS_H_

#include "cli/exit_status.h"
#include "cli/session.h"

namespace cli {

// The commands of the finished index, run as the menu runs them (shell/merge_command.h,
// shell/word_list_command.h, shell/dump_command.h). File errors propagate to the caller.

// merge: success when it shows "マージ完了!!"; "マージに失敗しました(;_;)" (no partial index
// file in "FENGDIC"/"IndexDir", or no index directory) and a listing failure are failures.
ExitStatus RunMergeCommand(Session& session);

// wordlist: shows "終了しました" as the program does, also when the word list file could not
// be written; the front end then says so in an error line and fails rather than report
// success.
ExitStatus RunWordListCommand(Session& session);

// dump: writes DUMP.* beside the letter index files of "FENGDIC"/"IndexDir"; says nothing.
ExitStatus RunDumpCommand(Session& session);

}  // namespace cli

#endif  // INDEXER_CLI_INDEX_COMMANDS_H_

#ifndef INDEXER_SHELL_DUMP_COMMAND_H_
#define INDEXER_SHELL_DUMP_COMMAND_H_

#include "shell/command_context.h"

namespace shell {

// The text dump command ("ﾃｷｽﾄｲﾝﾃﾞｯｸｽ"): with the view busy, reads "FENGDIC"/"IndexDir",
// makes it the current directory (whether that works is not checked), and dumps every letter
// index file of that directory to "DUMP." plus its bucket character beside it, with source
// file names from the profile's "FileID" table (store/index_dump.h). A bucket without a letter
// index file (consolidation writes none for an empty bucket) gets an empty dump file and the
// dump goes on; a letter file that exists but cannot be read, or a dump file that cannot be
// written, ends the command with a file error. The busy flag is cleared on every way out.
void RunDumpCommand(CommandContext& context);

}  // namespace shell

#endif  // INDEXER_SHELL_DUMP_COMMAND_H_

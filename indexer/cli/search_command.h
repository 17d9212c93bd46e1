#ifndef INDEXER_CLI_SEARCH_COMMAND_H_
#define INDEXER_CLI_SEARCH_COMMAND_H_

#include <cstdio>

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/session.h"
#include "shell/ex_string_list.h"

namespace cli {

// The test search, as its menu command runs with a user who types the keyword into the
// dialog, sets the tag-form box to --tag, and presses "検索":
//   1. the keyword (UTF-8, converted to code page 932) is checked as the dialog checks every
//      change of its field (query/keyword_checks.h): one that begins with white space, holds a
//      double-byte character or holds more than one word gets the dialog's message and exit
//      status 2; so does an empty keyword, with "キーワードを入力してください。";
//   2. OK: one trailing white-space byte is dropped, and the box's state is written to
//      "Option"/"TagForm": 1 with --tag, 0 without (the box is unchecked unless --tag is
//      given, so a script gets plain lines whatever an earlier run stored);
//   3. the search (query/test_search.h) fills the document's text lines, which are written to
//      `out` (WriteResultLines).
// A word that is not found, or a letter index file that does not exist, lists nothing and
// succeeds. An index file of another version shows the program's message and fails; so does
// output that cannot be written. File errors propagate to the caller.
ExitStatus RunSearchCommand(Session& session, const CommandLine& line, std::FILE* out);

// Writes text lines as the front end shows them: each line without its final line feed, then
//   - by default: converted to UTF-8 and followed by "\n";
//   - `raw`: its code page 932 bytes followed by CR LF, exactly as File Save writes the text
//     (CIndexerDoc::SaveText).
// False when the output could not be written.
bool WriteResultLines(const shell::CExStringList& lines, bool raw, std::FILE* out);

}  // namespace cli

#endif  // INDEXER_CLI_SEARCH_COMMAND_H_

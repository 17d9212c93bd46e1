#ifndef INDEXER_QUERY_TEST_SEARCH_H_
#define INDEXER_QUERY_TEST_SEARCH_H_

#include <string>
#include <string_view>

#include "shell/command_context.h"

namespace query {

// The test search command ("動作試験"), run with the keyword its dialog accepted
// (keyword_checks.h):
//   1. a keyword beginning with a Shift-JIS lead byte is not searched: nothing happens;
//   2. with the view busy, the document's text lines are cleared, the keyword is folded with
//      _mbstrlwr and looked up with CIndexerDoc::SearchIndexFile in the letter index file of
//      its bucket (store/letter_bucket.h) in the profile's "Current"/"IndexDir";
//   3. the standard beep, whatever was found.
// File errors propagate (with no beep); the busy flags are cleared on every way out. Asked for
// while a command runs, it does nothing.
void RunTestSearch(shell::CommandContext& context, std::string_view keyword);

// The letter index file the test search reads for `keyword`: the index directory followed by
// "$$TMP$$." and the bucket character; empty for a keyword that is not searched.
std::string TestSearchIndexPath(std::string_view index_directory, std::string_view keyword);

}  // namespace query

#endif  // INDEXER_QUERY_TEST_SEARCH_H_

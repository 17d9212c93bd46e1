#ifndef INDEXER_QUERY_OCCURRENCE_LISTING_H_
#define INDEXER_QUERY_OCCURRENCE_LISTING_H_

#include <functional>
#include <string_view>

#include "platform/profile.h"
#include "shell/ex_string_list.h"
#include "store/index_file_reader.h"

namespace query {

// The test search's listing: finds `keyword` in the letter index file `reader` reads (its
// version already accepted) and appends to `lines` one result line per occurrence, in stored
// order:
//   plain form: the source text from the occurrence's offset to the end of its line, read in
//     text mode (so it ends with one line feed when the line has one), at most 7,998 bytes,
//     and only up to a byte 0x00;
//   tag form:   the source path, the line number as "(%7d)", then that text.
// Tag form is used when the profile's "Option"/"TagForm" is 1; the value read is stored in
// `tag_form` (the document's m_tagForm).
//
// Source paths come from the profile's "FileID" table. A source file is opened once for each
// run of occurrences with the same file ID. The listing stops, keeping the lines gathered so
// far, at an occurrence whose file ID has no path or whose file cannot be opened, and at a
// negative offset. `update_views` is asked to redraw when a run of a file ends and when the
// listing ends; the message-pump step runs once per occurrence. Read errors of the index or a
// source file throw platform::FileError.
void ListOccurrences(std::string_view keyword, store::IndexFileReader& reader,
                     platform::Profile& application_profile, int& tag_form,
                     shell::CExStringList& lines, const std::function<void()>& update_views);

}  // namespace query

#endif  // INDEXER_QUERY_OCCURRENCE_LISTING_H_

#ifndef INDEXER_STORE_INDEX_DUMP_H_
#define INDEXER_STORE_INDEX_DUMP_H_

#include <functional>
#include <string>
#include <string_view>

#include "platform/archive.h"
#include "store/index_file_reader.h"

namespace store {

// The source file name shown for a file ID: the "FileID" table of the profile, empty for an ID
// it does not hold. The dump asks only when the file ID changes.
using FileNameLookup = std::function<std::string(int file_id)>;

// Writes the dump text of the records `reader` has yet to read (from the root: the whole index)
// to `out`, record by record in file order. Bytes are written as they are (code page 932). Per
// record:
//   "==========================\r\n"  (26 '=')
//   "Word : " and the word, without line end;
//   per occurrence in stored order: for the first one, and whenever the file ID differs from the
//   previous occurrence's, "\r\n[[ " file name " ]]\r\n", which starts a new run of numbers; then
//   the line number as an unsigned 32-bit decimal and one space ("%lu "), preceded by "\r\n"
//   when it would take the run past 78 columns;
//   "\r\n".
// Offsets and entry types are not shown. Errors as IndexFileReader's and the archive's.
void DumpNode(IndexFileReader& reader, platform::ArchiveWriter& out,
              const FileNameLookup& file_name_of);

// The text dump of a finished index: for each letter bucket in order, the letter index file
// `index_directory` + "$$TMP$$." + c is dumped to `index_directory` + "DUMP." + c, each dump
// file replaced atomically. A letter index file whose first byte is not 4, or that does not exist
// (consolidation writes none for an empty bucket), yields an empty dump file, and the dump goes
// on with the next bucket. Any other error (a letter file that exists but cannot be opened, one
// that ends inside a record, a dump file that cannot be written) ends the dump there: the dump
// files of the earlier buckets stay, that bucket's dump file is left as it was.
void DumpIndexFiles(std::string_view index_directory, const FileNameLookup& file_name_of);

}  // namespace store

#endif  // INDEXER_STORE_INDEX_DUMP_H_

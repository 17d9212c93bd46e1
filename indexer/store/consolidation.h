#ifndef INDEXER_STORE_CONSOLIDATION_H_
#define INDEXER_STORE_CONSOLIDATION_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/index_tree.h"

namespace store {

// Told `true` just before a letter index file is created and `false` once it is written or its
// writing has failed; the document keeps its busy flag with it.
using LetterFileWriteNotice = std::function<void(bool writing)>;

// Turns the partial index files `partial_paths` (in the order given) into the finished index in
// `index_directory` (the profile's "Current"/"IndexDir", a plain prefix), deletes the partial
// files and writes the word list (word_list.h). `merged_filename` is the profile's
// "Merged"/"Filename", which serves only the guard below.
//
// Returns false, touching nothing, when `partial_paths` is empty or both `index_directory` and
// `merged_filename` are empty. Otherwise returns true after:
//   1. the letter index files: for each letter bucket in order, the index is rebuilt by inserting,
//      file after file, each word of that bucket that a file holds, in the file's record order,
//      one Insert per stored occurrence (so the duplicate rule of Insert applies across files),
//      and written to `index_directory` + "$$TMP$$." + the bucket character unless the bucket is
//      empty (then an old file of that name stays as it was). A partial file whose first byte is
//      not the version 4 contributes nothing;
//   2. deleting every partial file, in list order;
//   3. writing the word list.
// `index` is the caller's tree, used as working storage: it is empty afterwards (on every way
// out); its word list holds the words of the word list.
//
// The result is byte for byte that of reading every partial file once per bucket, but each
// partial file is parsed once: its records are sorted by bucket, kept in memory up to
// kConsolidationMemory bytes for all buckets together and beyond that in one spill file per bucket ("$$SPILL$$." + bucket
// character in `index_directory`, removed on every way out), and memory holds one bucket's tree
// at a time besides. A record's occurrences go into the tree in one step.
//
// The partial files must not be letter index files of `index_directory` (callers list
// "IDX_TEST.*" files).
//
// Errors: a partial file that cannot be opened, ends inside a record or is malformed ends the
// consolidation before any letter index file is written; a letter index file that cannot be
// written ends it with the earlier buckets' files in place (each file is replaced atomically);
// a partial file that cannot be deleted ends it before the word list. Running out of memory for
// a bucket throws std::bad_alloc rather than write an incomplete index.
bool ConsolidateIndexes(CStringTreeIndex& index, const std::vector<std::string>& partial_paths,
                        std::string_view index_directory, std::string_view merged_filename,
                        const LetterFileWriteNotice& on_letter_file_write = {});

// The bytes of partial records that consolidation keeps in memory before it spills them to files.
inline constexpr std::size_t kConsolidationMemory = std::size_t{32} << 20;

// ConsolidateIndexes with another limit for the records kept in memory (0: every record goes
// through the spill files), for tests of both ways.
bool ConsolidateIndexes(CStringTreeIndex& index, const std::vector<std::string>& partial_paths,
                        std::string_view index_directory, std::string_view merged_filename,
                        const LetterFileWriteNotice& on_letter_file_write,
                        std::size_t memory_limit);

}  // namespace store

#endif  // INDEXER_STORE_CONSOLIDATION_H_

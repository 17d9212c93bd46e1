#ifndef INDEXER_STORE_INDEX_LOOKUP_H_
#define INDEXER_STORE_INDEX_LOOKUP_H_

#include <string_view>

#include "store/index_file_reader.h"

namespace store {

// Finds `keyword` in the index file `reader` reads, whose version the caller has read and
// accepted. Matching is exact: the whole word, byte for byte, letter case significant (index
// words are stored folded to small letters, so a caller folds its keyword first). The records
// are visited in file order until the first equal word, so a miss reads the whole tree.
//
// True when found: the reader then stands at that record's occurrences, which the caller reads
// with NextOccurrence. False when not found, after the last record. Errors as IndexFileReader's.
bool FindWord(std::string_view keyword, IndexFileReader& reader);

}  // namespace store

#endif  // INDEXER_STORE_INDEX_LOOKUP_H_

#ifndef INDEXER_STORE_WORD_LIST_H_
#define INDEXER_STORE_WORD_LIST_H_

#include <string>
#include <string_view>
#include <vector>

#include "store/index_tree.h"

namespace store {

// The name of the word list file in an index directory.
inline constexpr std::string_view kWordListFileName = "wordlist.qvx";

// Writes the word list of the finished index in `index_directory` (a plain prefix, such as
// "C:\IDX\", to which file names are appended): every word of the letter index files, once, for
// searches that give no whole word. The words are collected in `index`'s word list (emptied
// first), in bucket order and within each file in file order. The file "wordlist.qvx" is
// written in the encoding of a list of strings: the number of words modulo 65,536 (2 bytes,
// little-endian), then per word its length in one byte and its bytes without NUL; nothing else.
// Afterwards `index` is reset.
//
// A letter index file that does not exist or cannot be opened contributes nothing, as does one
// whose first byte is not the version 4. A letter index file that ends inside a record (or is
// malformed) throws, and no word list is written. The word list file replaces the old one
// atomically, without a flush to disk, as index files do (index_file_writer.h); when it cannot
// even be created the function writes nothing and returns false
// without an error, leaving no temporary file behind. True when the file was written.
bool WriteWordList(std::string_view index_directory, CStringTreeIndex& index);

// The two halves of WriteWordList, for consolidation, which has most words still in hand:
// appends the words of the letter index file `path` as WriteWordList takes them (nothing when
// it does not exist, cannot be opened or is of another version) ...
void AppendLetterFileWords(const std::string& path, std::vector<std::string>& words);
// ... and writes `words` as the word list file of `index_directory`, atomically; false, without
// an error and without a trace, when the file cannot be created.
bool WriteWordListFile(std::string_view index_directory, const std::vector<std::string>& words);

}  // namespace store

#endif  // INDEXER_STORE_WORD_LIST_H_

#ifndef INDEXER_STORE_INDEX_FORMAT_ERROR_H_
#define INDEXER_STORE_INDEX_FORMAT_ERROR_H_

#include <cstdint>
#include <string>

#include "platform/file_error.h"

namespace store {

// An index file that cannot be read or written as the format demands: a record whose word
// length is 0 or whose word is not one NUL-terminated string (reading), or a tree that holds a
// word longer than 254 bytes or an occurrence with the offset -1 (writing, which then leaves no
// file behind). It is a FileError, so a command ends with it as with any other file error, and
// its what() text names the file, for example
//   cannot read C:\IDX\$$TMP$$.A: malformed index record at byte 1234 (word length 0)
class IndexFormatError : public platform::FileError {
 public:
  // `operation` is "read" or "write"; `problem` says what is wrong.
  IndexFormatError(std::string path, std::string operation, const std::string& problem);
};

}  // namespace store

#endif  // INDEXER_STORE_INDEX_FORMAT_ERROR_H_

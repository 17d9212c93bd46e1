#include "store/index_format_error.h"

namespace store {

IndexFormatError::IndexFormatError(std::string path, std::string operation,
                                   const std::string& problem)
    : FileError(path, operation, 0, "cannot " + operation + " " + path + ": " + problem) {}

}  // namespace store

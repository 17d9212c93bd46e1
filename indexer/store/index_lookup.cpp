#include "store/index_lookup.h"

namespace store {

bool FindWord(std::string_view keyword, IndexFileReader& reader) {
  keyword = keyword.substr(0, keyword.find('\0'));
  while (reader.NextRecord()) {
    if (reader.word() == keyword) return true;
  }
  return false;
}

}  // namespace store

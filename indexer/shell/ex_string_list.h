#ifndef INDEXER_SHELL_EX_STRING_LIST_H_
#define INDEXER_SHELL_EX_STRING_LIST_H_

#include <cstddef>
#include <string>
#include <vector>

namespace shell {

// CExStringList: the document's text lines, in the order they were appended. Each line is a
// code page 932 byte string that normally ends with the line feed it was read with. The list
// caches the byte length of its longest line (line feed included) for the view's width: -1
// while unknown, recomputed on demand.
class CExStringList {
 public:
  // Removes every line and forgets the longest length.
  void ClearLines();
  void AddTail(std::string line) { lines_.push_back(std::move(line)); }

  std::size_t GetCount() const { return lines_.size(); }
  bool IsEmpty() const { return lines_.empty(); }
  const std::string& operator[](std::size_t i) const { return lines_[i]; }
  std::vector<std::string>::const_iterator begin() const { return lines_.begin(); }
  std::vector<std::string>::const_iterator end() const { return lines_.end(); }

  // Raises the cached longest length to the length of any longer line and returns it. The
  // walk starts from the cached value, so after ClearLines it yields the true maximum (-1 for
  // no line).
  int ComputeLongestLength();
  // The cached longest length, computed first when unknown.
  int GetLongestLength();

 private:
  std::vector<std::string> lines_;
  int m_longestLength = -1;
};

}  // namespace shell

#endif  // INDEXER_SHELL_EX_STRING_LIST_H_

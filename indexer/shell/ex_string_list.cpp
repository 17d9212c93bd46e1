#include "shell/ex_string_list.h"

#include <algorithm>
#include <limits>

namespace shell {

void CExStringList::ClearLines() {
  lines_.clear();
  m_longestLength = -1;
}

int CExStringList::ComputeLongestLength() {
  for (const std::string& line : lines_) {
    const std::size_t length =
        std::min<std::size_t>(line.size(), std::numeric_limits<int>::max());
    m_longestLength = std::max(m_longestLength, static_cast<int>(length));
  }
  return m_longestLength;
}

int CExStringList::GetLongestLength() {
  if (m_longestLength == -1) ComputeLongestLength();
  return m_longestLength;
}

}  // namespace shell

#include "query/test_search.h"

#include <cstring>
#include <optional>

#include "building/profile_keys.h"
#include "shell/busy_flag.h"
#include "store/letter_bucket.h"
#include "zentu/zentu.h"

namespace query {

std::string TestSearchIndexPath(std::string_view index_directory, std::string_view keyword) {
  // The first byte of an empty keyword is its terminating NUL.
  const auto first = static_cast<unsigned char>(keyword.empty() ? '\0' : keyword[0]);
  const std::optional<int> bucket = store::SearchBucketOf(first);
  if (!bucket) return {};
  return std::string(index_directory) + store::LetterIndexFileName(*bucket);
}

void RunTestSearch(shell::CommandContext& context, std::string_view keyword) {
  if (!context.IsCommandEnabled()) return;
  const std::string index_directory = building::ReadString(
      context.application_profile(), building::profile_keys::kCurrentIndexDir);
  const std::string index_path = TestSearchIndexPath(index_directory, keyword);
  if (index_path.empty()) return;

  shell::ScopedBusyFlag busy(context.busy_flag());
  shell::CIndexerDoc& document = context.document();
  document.lines().ClearLines();
  std::string folded(keyword);
  folded.resize(std::strlen(folded.c_str()));  // the keyword is a C string to the lookup
  _mbstrlwr(folded.data());
  document.SearchIndexFile(folded, index_path);
  context.ui().Beep();
}

}  // namespace query

#include "store/word_list.h"

#include <optional>
#include <string>

#include "platform/archive.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "store/index_file_reader.h"
#include "store/letter_bucket.h"

namespace store {
namespace {

void CollectWords(const std::string& path, std::vector<std::string>& words) {
  std::optional<platform::File> file = platform::File::TryOpenForReading(path);
  if (!file) return;
  IndexFileReader reader(*file);
  if (!reader.ReadVersion()) return;
  while (reader.NextRecord()) words.emplace_back(reader.word());
}

}  // namespace

bool WriteWordList(std::string_view index_directory, CStringTreeIndex& index) {
  std::vector<std::string>& words = index.word_list();
  words.clear();
  for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
    CollectWords(std::string(index_directory) + LetterIndexFileName(bucket), words);
  }

  std::optional<platform::File> file;
  try {
    file.emplace(platform::File::CreateReplacing(std::string(index_directory) +
                                                 std::string(kWordListFileName)));
  } catch (const platform::FileError&) {
    return false;  // an unwritable list is passed over without a message
  }
  platform::ArchiveWriter archive(*file);
  archive.WriteUInt16(static_cast<std::uint16_t>(words.size() & 0xffff));
  for (const std::string& word : words) {
    // Words of index records have at most 254 bytes, so the one-byte length always serves.
    archive.WriteUInt8(static_cast<std::uint8_t>(word.size()));
    archive.WriteBytes(word.data(), word.size());
  }
  archive.Flush();
  file->Commit();
  index.Reset();
  return true;
}

}  // namespace store

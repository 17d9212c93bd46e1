#include "store/word_list.h"

#include <optional>
#include <string>

#include "platform/archive.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "store/index_file_reader.h"
#include "store/letter_bucket.h"

namespace store {

void AppendLetterFileWords(const std::string& path, std::vector<std::string>& words) {
  std::optional<platform::File> file = platform::File::TryOpenForReading(path);
  if (!file) return;
  IndexFileReader reader(*file);
  if (!reader.ReadVersion()) return;
  while (reader.NextRecord()) words.emplace_back(reader.word());
}

bool WriteWordList(std::string_view index_directory, CStringTreeIndex& index) {
  std::vector<std::string>& words = index.word_list();
  words.clear();
  for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
    AppendLetterFileWords(std::string(index_directory) + LetterIndexFileName(bucket), words);
  }
  if (!WriteWordListFile(index_directory, words)) return false;
  index.Reset();
  return true;
}

bool WriteWordListFile(std::string_view index_directory, const std::vector<std::string>& words) {
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
    // The length of a string in this encoding: one byte below 255 (always so for words of index
    // records, which have at most 254 bytes), else 0xFF and 16 bits, else 0xFF 0xFFFF and 32 bits.
    const std::size_t length = word.size();
    if (length < 0xFF) {
      archive.WriteUInt8(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
      archive.WriteUInt8(0xFF);
      archive.WriteUInt16(static_cast<std::uint16_t>(length));
    } else {
      archive.WriteUInt8(0xFF);
      archive.WriteUInt16(0xFFFF);
      archive.WriteUInt32(static_cast<std::uint32_t>(length));
    }
    archive.WriteBytes(word.data(), length);
  }
  archive.Flush();
  file->CommitWithoutSync();
  return true;
}

}  // namespace store

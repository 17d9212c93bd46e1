#include "store/consolidation.h"

#include <array>
#include <memory>
#include <new>

#include "platform/archive.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/letter_bucket.h"
#include "store/word_list.h"

namespace store {
namespace {

// The records of every partial file sorted by bucket, kept in one file per bucket in list order
// and record order. A spill record is the word length (1 byte, without NUL), the word, and the
// word's 11-byte occurrence records ended by the offset -1, as in an index file. Only records
// with at least one occurrence are kept: the others insert nothing.
class BucketSpill {
 public:
  explicit BucketSpill(std::string_view directory) : directory_(directory) {}
  BucketSpill(const BucketSpill&) = delete;
  BucketSpill& operator=(const BucketSpill&) = delete;
  ~BucketSpill() {
    for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) Remove(bucket);
  }

  // Adds the records of one partial index file.
  void Distribute(const std::string& partial_path) {
    platform::File file = platform::File::OpenForReading(partial_path);
    IndexFileReader reader(file);
    if (!reader.ReadVersion()) return;
    Occurrence occurrence;
    while (reader.NextRecord()) {
      if (!reader.NextOccurrence(occurrence)) continue;
      platform::ArchiveWriter& out = WriterFor(LetterBucketOfWord(reader.word()));
      const std::string_view word = reader.word();
      out.WriteUInt8(static_cast<std::uint8_t>(word.size()));
      out.WriteBytes(word.data(), word.size());
      do {
        out.WriteInt32(occurrence.offset);
        out.WriteInt32(occurrence.line_number);
        out.WriteInt16(occurrence.file_id);
        out.WriteUInt8(occurrence.entry_type);
      } while (reader.NextOccurrence(occurrence));
      out.WriteInt32(-1);
    }
  }

  // Inserts the bucket's records, in the order they were distributed, into `index`.
  void InsertInto(int bucket, CStringTreeIndex& index) {
    std::unique_ptr<Spill>& spill = spills_[bucket];
    if (!spill) return;
    spill->writer.Flush();
    spill->file.Close();
    platform::File file = platform::File::OpenForReading(spill->path);
    platform::ArchiveReader in(file);
    char word[256];
    while (!in.AtEnd()) {
      const std::size_t length = in.ReadUInt8();
      in.ReadBytes(word, length);
      const std::string_view text(word, length);
      for (std::int32_t offset = in.ReadInt32(); offset != -1; offset = in.ReadInt32()) {
        const std::int32_t line_number = in.ReadInt32();
        const std::int16_t file_id = in.ReadInt16();
        const std::uint8_t entry_type = in.ReadUInt8();
        if (index.Insert(text, entry_type, offset, line_number, file_id) == nullptr) {
          throw std::bad_alloc();
        }
      }
    }
  }

  void Remove(int bucket) noexcept {
    std::unique_ptr<Spill> spill = std::move(spills_[bucket]);
    if (!spill) return;
    std::string path = spill->path;
    spill.reset();  // closes the file
    try {
      platform::DeleteFile(path);
    } catch (const platform::FileError&) {
      // Nothing more can be done about a spill file that will not go away.
    }
  }

 private:
  struct Spill {
    explicit Spill(std::string spill_path)
        : path(std::move(spill_path)), file(platform::File::Create(path)), writer(file) {}
    std::string path;
    platform::File file;
    platform::ArchiveWriter writer;
  };

  platform::ArchiveWriter& WriterFor(int bucket) {
    std::unique_ptr<Spill>& spill = spills_[bucket];
    if (!spill) {
      spill = std::make_unique<Spill>(directory_ + "$$SPILL$$." + LetterBucketCharacter(bucket));
    }
    return spill->writer;
  }

  std::string directory_;
  std::array<std::unique_ptr<Spill>, kLetterBucketCount> spills_;
};

// Resets the index when consolidation ends, whichever way.
class ResetOnExit {
 public:
  explicit ResetOnExit(CStringTreeIndex& index) : index_(index) {}
  ResetOnExit(const ResetOnExit&) = delete;
  ResetOnExit& operator=(const ResetOnExit&) = delete;
  ~ResetOnExit() { index_.Reset(); }

 private:
  CStringTreeIndex& index_;
};

void WriteLetterFile(const CStringTreeIndex& index, const std::string& path,
                     const LetterFileWriteNotice& notice) {
  if (notice) notice(true);
  try {
    WriteIndexFile(index, path);
  } catch (...) {
    if (notice) notice(false);
    throw;
  }
  if (notice) notice(false);
}

}  // namespace

bool ConsolidateIndexes(CStringTreeIndex& index, const std::vector<std::string>& partial_paths,
                        std::string_view index_directory, std::string_view merged_filename,
                        const LetterFileWriteNotice& on_letter_file_write) {
  if (partial_paths.empty()) return false;
  if (index_directory.empty() && merged_filename.empty()) return false;

  {
    ResetOnExit reset_on_exit(index);
    index.Reset();
    BucketSpill spill(index_directory);
    for (const std::string& path : partial_paths) spill.Distribute(path);
    for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
      index.Reset();
      spill.InsertInto(bucket, index);
      spill.Remove(bucket);
      if (index.IsEmpty()) continue;
      WriteLetterFile(index, std::string(index_directory) + LetterIndexFileName(bucket),
                      on_letter_file_write);
    }
  }

  for (const std::string& path : partial_paths) platform::DeleteFile(path);
  WriteWordList(index_directory, index);
  return true;
}

}  // namespace store

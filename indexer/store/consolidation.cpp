#include "store/consolidation.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "platform/archive.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "store/block_arena.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/letter_bucket.h"
#include "store/word_list.h"

namespace store {
namespace {

// Spill records in sequence, from a byte range in memory or from a spill file read through one
// large buffer, with inline accessors: records are many and small, so the per-call cost of a
// general archive would dominate.
class SpillRecords {
 public:
  static constexpr std::size_t kBufferSize = std::size_t{1} << 20;

  explicit SpillRecords(std::string_view bytes)
      : next_(bytes.data()), end_(bytes.data() + bytes.size()) {}
  explicit SpillRecords(platform::File& file) : file_(&file), buffer_(kBufferSize) {
    next_ = end_ = buffer_.data();
  }

  bool More() { return Available(1); }
  // The next `size` bytes (at most kBufferSize), valid until the next call.
  std::string_view Bytes(std::size_t size) {
    if (static_cast<std::size_t>(end_ - next_) < size && !Available(size)) {
      throw platform::EndOfFileError(file_ != nullptr ? file_->path() : "spill");
    }
    const char* at = next_;
    next_ += size;
    return std::string_view(at, size);
  }

 private:
  bool Available(std::size_t size) {
    while (static_cast<std::size_t>(end_ - next_) < size) {
      if (file_ == nullptr) return false;
      const std::size_t unread = static_cast<std::size_t>(end_ - next_);
      std::memmove(buffer_.data(), next_, unread);
      const std::size_t got = file_->ReadSome(buffer_.data() + unread, buffer_.size() - unread);
      next_ = buffer_.data();
      end_ = next_ + unread + got;
      if (got == 0) return false;
    }
    return true;
  }

  platform::File* file_ = nullptr;
  std::vector<char> buffer_;
  const char* next_;
  const char* end_;
};

// The records of every partial file sorted by bucket, per bucket in list order and record order.
// A spill record is the word length (1 byte, without NUL), the word, the number of its
// occurrences (4 bytes) and its 11-byte occurrence records, as in an index file. Only records
// with at least one occurrence are kept: the others insert nothing.
//
// The records are kept in memory, up to a limit for all buckets together (kConsolidationMemory:
// a dictionary or two's worth); beyond that, what memory holds goes to one spill file per bucket
// ("$$SPILL$$." + bucket character in the index directory, removed on every way out), and a
// bucket's records are read back from its file first, then from memory.
class BucketSpill {
 public:
  BucketSpill(std::string_view directory, std::size_t memory_limit)
      : directory_(directory), memory_limit_(memory_limit) {}
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
    while (reader.NextRecord()) {
      const std::string_view word = reader.word();
      const std::string_view occurrences = reader.OccurrenceRecords();
      if (occurrences.empty()) continue;
      const std::size_t size = 1 + word.size() + 4 + occurrences.size();
      char* record = static_cast<char*>(memory_.Allocate(size));
      record[0] = static_cast<char>(word.size());
      std::memcpy(record + 1, word.data(), word.size());
      EncodeInt32(static_cast<std::int32_t>(occurrences.size() / kOccurrenceRecordSize),
                  record + 1 + word.size());
      std::memcpy(record + 1 + word.size() + 4, occurrences.data(), occurrences.size());
      buckets_[LetterBucketOfWord(word)].in_memory.push_back(record);
      memory_bytes_ += size;
      if (memory_bytes_ > memory_limit_) SpillToFiles();
    }
  }

  // Inserts the bucket's records, in the order they were distributed, into `index`.
  void InsertInto(int bucket, CStringTreeIndex& index) {
    Bucket& spilled = buckets_[bucket];
    if (spilled.file) {
      spilled.file->writer.Flush();
      spilled.file->file.Close();
      platform::File file = platform::File::OpenForReading(spilled.file->path);
      SpillRecords in(file);
      InsertAll(in, index);
    }
    for (const char* record : spilled.in_memory) {
      const auto length = static_cast<unsigned char>(record[0]);
      const auto count = static_cast<std::size_t>(DecodeInt32(record + 1 + length));
      if (index.InsertRecords(std::string_view(record + 1, length),
                              std::string_view(record + 1 + length + 4,
                                               count * kOccurrenceRecordSize)) == nullptr) {
        throw std::bad_alloc();
      }
    }
  }

  void Remove(int bucket) noexcept {
    Bucket& spilled = buckets_[bucket];
    std::vector<const char*>().swap(spilled.in_memory);
    if (!spilled.file) return;
    const std::string path = spilled.file->path;
    spilled.file.reset();  // closes the file
    try {
      platform::DeleteFile(path);
    } catch (const platform::FileError&) {
      // Nothing more can be done about a spill file that will not go away.
    }
  }

 private:
  struct SpillFile {
    explicit SpillFile(std::string spill_path)
        : path(std::move(spill_path)), file(platform::File::Create(path)), writer(file) {}
    std::string path;
    platform::File file;
    platform::ArchiveWriter writer;
  };
  struct Bucket {
    std::vector<const char*> in_memory;  // records not yet in the spill file
    std::unique_ptr<SpillFile> file;
  };

  void SpillToFiles() {
    for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
      Bucket& spilled = buckets_[bucket];
      if (spilled.in_memory.empty()) continue;
      if (!spilled.file) {
        spilled.file = std::make_unique<SpillFile>(directory_ + "$$SPILL$$." +
                                                   LetterBucketCharacter(bucket));
      }
      for (const char* record : spilled.in_memory) {
        const auto length = static_cast<unsigned char>(record[0]);
        const auto count = static_cast<std::size_t>(DecodeInt32(record + 1 + length));
        spilled.file->writer.WriteBytes(record, 1 + length + 4 + count * kOccurrenceRecordSize);
      }
      spilled.in_memory.clear();
    }
    memory_.Clear();
    memory_bytes_ = 0;
  }

  static void InsertAll(SpillRecords& in, CStringTreeIndex& index) {
    // Occurrences go to the index in pieces that fit the reader's buffer.
    constexpr std::size_t kRecordsPerPiece = SpillRecords::kBufferSize / kOccurrenceRecordSize;
    char word[256];  // the reader's buffer moves on
    while (in.More()) {
      const auto length = static_cast<unsigned char>(in.Bytes(1)[0]);
      const std::string_view bytes = in.Bytes(length);
      std::copy(bytes.begin(), bytes.end(), word);
      const std::string_view text(word, length);
      auto count = static_cast<std::uint32_t>(DecodeInt32(in.Bytes(4).data()));
      while (count > 0) {
        const std::size_t piece = std::min<std::size_t>(count, kRecordsPerPiece);
        if (index.InsertRecords(text, in.Bytes(piece * kOccurrenceRecordSize)) == nullptr) {
          throw std::bad_alloc();
        }
        count -= static_cast<std::uint32_t>(piece);
      }
    }
  }

  std::string directory_;
  std::size_t memory_limit_;
  std::array<Bucket, kLetterBucketCount> buckets_;
  BlockArena memory_;             // the records in memory
  std::size_t memory_bytes_ = 0;  // their size, all buckets together
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

// The words of `index` in the order its index file holds them (pre-order).
std::vector<std::string> WordsInFileOrder(const CStringTreeIndex& index) {
  std::vector<std::string> words;
  words.reserve(index.size());
  std::vector<const CINode*> stack;
  if (index.root() != nullptr) stack.push_back(index.root());
  while (!stack.empty()) {
    const CINode* node = stack.back();
    stack.pop_back();
    words.emplace_back(node->word());
    if (node->greater() != nullptr) stack.push_back(node->greater());
    if (node->lesser() != nullptr) stack.push_back(node->lesser());
  }
  return words;
}

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
  return ConsolidateIndexes(index, partial_paths, index_directory, merged_filename,
                            on_letter_file_write, kConsolidationMemory);
}

bool ConsolidateIndexes(CStringTreeIndex& index, const std::vector<std::string>& partial_paths,
                        std::string_view index_directory, std::string_view merged_filename,
                        const LetterFileWriteNotice& on_letter_file_write,
                        std::size_t memory_limit) {
  if (partial_paths.empty()) return false;
  if (index_directory.empty() && merged_filename.empty()) return false;

  const std::string directory(index_directory);
  // The words of each letter index file written, for the word list, which would read them back.
  std::array<std::optional<std::vector<std::string>>, kLetterBucketCount> written_words;
  {
    ResetOnExit reset_on_exit(index);
    index.Reset();
    BucketSpill spill(index_directory, memory_limit);
    for (const std::string& path : partial_paths) spill.Distribute(path);
    for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
      index.Reset();
      spill.InsertInto(bucket, index);
      spill.Remove(bucket);
      if (index.IsEmpty()) continue;
      WriteLetterFile(index, directory + LetterIndexFileName(bucket), on_letter_file_write);
      written_words[bucket] = WordsInFileOrder(index);
    }
  }

  // The letter files were replaced without a flush each; they reach the disk before the partial
  // files they were made from are gone, so a system crash cannot take both.
  if (std::any_of(written_words.begin(), written_words.end(),
                  [](const auto& words) { return words.has_value(); })) {
    platform::SyncFileSystemOf(directory);
  }
  for (const std::string& path : partial_paths) platform::DeleteFile(path);

  // The word list, as WriteWordList makes it: a letter index file left from an earlier run for an
  // empty bucket is read now, after the deletions, as WriteWordList would read it.
  std::vector<std::string>& words = index.word_list();
  words.clear();
  for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
    if (written_words[bucket]) {
      std::move(written_words[bucket]->begin(), written_words[bucket]->end(),
                std::back_inserter(words));
      written_words[bucket].reset();
    } else {
      AppendLetterFileWords(directory + LetterIndexFileName(bucket), words);
    }
  }
  WriteWordListFile(index_directory, words);
  return true;
}

}  // namespace store

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
// The records are kept in memory, up to kMemoryLimit bytes for all buckets together (a
// dictionary or two's worth); beyond that, what memory holds goes to one spill file per bucket
// ("$$SPILL$$." + bucket character in the index directory, removed on every way out), and a
// bucket's records are read back from its file first, then from memory.
class BucketSpill {
 public:
  static constexpr std::size_t kMemoryLimit = std::size_t{32} << 20;

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
    while (reader.NextRecord()) {
      const std::string_view word = reader.word();
      std::string& records = buckets_[LetterBucketOfWord(word)].records;
      const std::size_t start = records.size();
      records += static_cast<char>(word.size());
      records += word;
      records.append(4, '\0');  // the count, filled in below
      const std::size_t count = reader.AppendOccurrenceRecords(records);
      if (count == 0) {
        records.resize(start);
        continue;
      }
      EncodeInt32(static_cast<std::int32_t>(count), records.data() + start + 1 + word.size());
      memory_bytes_ += records.size() - start;
      if (memory_bytes_ > kMemoryLimit) SpillToFiles();
    }
  }

  // Inserts the bucket's records, in the order they were distributed, into `index`.
  void InsertInto(int bucket, CStringTreeIndex& index) {
    Bucket& spilled = buckets_[bucket];
    if (spilled.file) {
      spilled.file->Close();
      platform::File file = platform::File::OpenForReading(spilled.path);
      SpillRecords in(file);
      InsertAll(in, index);
    }
    SpillRecords in(spilled.records);
    InsertAll(in, index);
  }

  void Remove(int bucket) noexcept {
    Bucket& spilled = buckets_[bucket];
    memory_bytes_ -= spilled.records.size();
    std::string().swap(spilled.records);
    if (!spilled.file) return;
    spilled.file.reset();  // closes the file
    try {
      platform::DeleteFile(spilled.path);
    } catch (const platform::FileError&) {
      // Nothing more can be done about a spill file that will not go away.
    }
  }

 private:
  struct Bucket {
    std::string records;                  // not yet in the spill file
    std::string path;                     // of the spill file, once there is one
    std::unique_ptr<platform::File> file;
  };

  void SpillToFiles() {
    for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
      Bucket& spilled = buckets_[bucket];
      if (spilled.records.empty()) continue;
      if (!spilled.file) {
        spilled.path = directory_ + "$$SPILL$$." + LetterBucketCharacter(bucket);
        spilled.file = std::make_unique<platform::File>(platform::File::Create(spilled.path));
      }
      spilled.file->WriteAll(spilled.records.data(), spilled.records.size());
      spilled.records.clear();  // the memory stays for the next records
    }
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
  std::array<Bucket, kLetterBucketCount> buckets_;
  std::size_t memory_bytes_ = 0;  // records held in memory, all buckets together
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
  if (partial_paths.empty()) return false;
  if (index_directory.empty() && merged_filename.empty()) return false;

  const std::string directory(index_directory);
  // The words of each letter index file written, for the word list, which would read them back.
  std::array<std::optional<std::vector<std::string>>, kLetterBucketCount> written_words;
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
      WriteLetterFile(index, directory + LetterIndexFileName(bucket), on_letter_file_write);
      written_words[bucket] = WordsInFileOrder(index);
    }
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

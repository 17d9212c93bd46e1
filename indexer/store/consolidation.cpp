#include "store/consolidation.h"

#include <algorithm>
#include <array>
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

std::int32_t DecodeInt32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                   (static_cast<std::uint32_t>(b[3]) << 24));
}

// Reads a spill file through one large buffer with inline accessors: spill records are many and
// small, so the per-call cost of a general archive would dominate.
class SpillReader {
 public:
  explicit SpillReader(platform::File& file) : file_(file), buffer_(1 << 20) {}

  bool More() { return Available(1); }
  unsigned char Byte() { return static_cast<unsigned char>(*Bytes(1).data()); }
  std::int32_t Int32() { return DecodeInt32(Bytes(4).data()); }
  // The next `size` bytes (at most 255), valid until the next call.
  std::string_view Bytes(std::size_t size) {
    if (end_ - next_ < size && !Available(size)) throw platform::EndOfFileError(file_.path());
    const char* at = buffer_.data() + next_;
    next_ += size;
    return std::string_view(at, size);
  }

 private:
  bool Available(std::size_t size) {
    while (end_ - next_ < size) {
      std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(next_),
                buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
      end_ -= next_;
      next_ = 0;
      const std::size_t got = file_.ReadSome(buffer_.data() + end_, buffer_.size() - end_);
      if (got == 0) return false;
      end_ += got;
    }
    return true;
  }

  platform::File& file_;
  std::vector<char> buffer_;
  std::size_t next_ = 0;
  std::size_t end_ = 0;
};

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
      const std::string_view word = reader.word();
      scratch_.clear();
      scratch_ += static_cast<char>(word.size());
      scratch_ += word;
      do {
        AppendOccurrence(occurrence);
      } while (reader.NextOccurrence(occurrence));
      AppendInt32(-1);
      WriterFor(LetterBucketOfWord(word)).WriteBytes(scratch_.data(), scratch_.size());
    }
  }

  // Inserts the bucket's records, in the order they were distributed, into `index`.
  void InsertInto(int bucket, CStringTreeIndex& index) {
    std::unique_ptr<Spill>& spill = spills_[bucket];
    if (!spill) return;
    spill->writer.Flush();
    spill->file.Close();
    platform::File file = platform::File::OpenForReading(spill->path);
    SpillReader in(file);
    char word[256];  // the reader's buffer moves on
    while (in.More()) {
      const std::size_t length = in.Byte();
      const std::string_view bytes = in.Bytes(length);
      std::copy(bytes.begin(), bytes.end(), word);
      const std::string_view text(word, length);
      // A record has at least one occurrence; its word is looked up once.
      const CINode* node = nullptr;
      for (std::int32_t offset = in.Int32(); offset != -1; offset = in.Int32()) {
        const std::string_view rest = in.Bytes(7);  // line number, file ID, entry type
        const std::int32_t line_number = DecodeInt32(rest.data());
        const auto file_id = static_cast<std::int16_t>(static_cast<unsigned char>(rest[4]) |
                                                       (static_cast<unsigned char>(rest[5]) << 8));
        const auto entry_type = static_cast<std::uint8_t>(rest[6]);
        node = node == nullptr ? index.Insert(text, entry_type, offset, line_number, file_id)
                               : index.InsertAgain(*node, entry_type, offset, line_number, file_id);
        if (node == nullptr) throw std::bad_alloc();
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

  void AppendInt32(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    const char le[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                        static_cast<char>(v >> 24)};
    scratch_.append(le, 4);
  }

  void AppendOccurrence(const Occurrence& occurrence) {
    AppendInt32(occurrence.offset);
    AppendInt32(occurrence.line_number);
    const auto file_id = static_cast<std::uint16_t>(occurrence.file_id);
    scratch_ += static_cast<char>(file_id);
    scratch_ += static_cast<char>(file_id >> 8);
    scratch_ += static_cast<char>(occurrence.entry_type);
  }

  platform::ArchiveWriter& WriterFor(int bucket) {
    std::unique_ptr<Spill>& spill = spills_[bucket];
    if (!spill) {
      spill = std::make_unique<Spill>(directory_ + "$$SPILL$$." + LetterBucketCharacter(bucket));
    }
    return spill->writer;
  }

  std::string directory_;
  std::array<std::unique_ptr<Spill>, kLetterBucketCount> spills_;
  std::string scratch_;  // one spill record being encoded
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

#ifndef INDEXER_STORE_INDEX_FILE_READER_H_
#define INDEXER_STORE_INDEX_FILE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "store/occurrence_list.h"

namespace store {

// The one reader of the index file grammar (see index_file_writer.h), which every reader of
// index files uses: it streams the file once from its start, record by record in file order
// (pre-order), and holds nothing but the record in hand. Typical use:
//
//   IndexFileReader reader(file);
//   if (reader.ReadVersion()) {
//     while (reader.NextRecord()) {
//       ... reader.word() ...
//       Occurrence occurrence;
//       while (reader.NextOccurrence(occurrence)) { ... }   // optional: NextRecord skips the rest
//     }
//   }
//
// The nesting of subtrees is tracked by one counter, so neither depth nor hostile input costs
// stack or memory. Errors: a file that ends inside a record throws platform::EndOfFileError, so a
// reader never returns a partial result as if it were complete; a record whose word length is 0,
// or whose word bytes are not one string ending in its only NUL, throws IndexFormatError. The
// occurrence count of a record is never trusted: occurrences end at the terminator -1. A child
// flag announces a subtree when it is not 0. Bytes after the root record's last flag are not
// read. The message-pump step runs once per record.
class IndexFileReader {
 public:
  // Reads `file` from its current position, which should be its start. The file must outlive
  // the reader.
  explicit IndexFileReader(platform::File& file);
  IndexFileReader(const IndexFileReader&) = delete;
  IndexFileReader& operator=(const IndexFileReader&) = delete;

  // Reads the first byte. True when it is the version 4, and the records can be read; false for
  // any other byte, and then nothing more is read. Throws EndOfFileError for an empty file.
  bool ReadVersion();

  // Moves to the next node record in file order and reads its word (and its count, which is
  // ignored), skipping what is left of the current record's occurrences. False once the whole
  // tree has been read (or the version was not accepted).
  bool NextRecord();

  // The word of the current record: its bytes without the NUL, at most 254 of them.
  std::string_view word() const { return std::string_view(word_, word_length_); }

  // Reads the current record's next occurrence into `occurrence`; false at its terminator.
  bool NextOccurrence(Occurrence& occurrence);

  // Reads the current record's remaining occurrences and its terminator, and returns them as
  // the file holds them: consecutive 11-byte occurrence records (empty at the terminator). The
  // bytes stay valid until the next call on the reader.
  std::string_view OccurrenceRecords();

  // Number of bytes of the file read so far.
  std::uint64_t position() const { return consumed_ + next_; }

 private:
  enum class Place { kVersion, kRoot, kOccurrences, kChildFlags, kEnd };
  static constexpr std::size_t kBufferSize = std::size_t{1} << 18;

  void ReadRecordHead();
  // Reads child flags after a record's terminator; true when they announce another record.
  bool ReadFlagsUpToNextRecord();
  [[noreturn]] void ThrowMalformed(std::uint64_t at, const std::string& problem) const;

  // The file is read through one buffer, which grows only to hold a record's occurrence list
  // in one piece. Makes `count` unread bytes available; false when the file ends first.
  bool Buffer(std::size_t count);
  // Buffer, or EndOfFileError.
  void Need(std::size_t count) {
    if (end_ - next_ < count) Refill(count);
  }
  void Refill(std::size_t count);
  std::uint8_t ReadUInt8() {
    Need(1);
    return static_cast<std::uint8_t>(buffer_[next_++]);
  }
  std::int32_t ReadInt32() {
    Need(4);
    const std::int32_t value = DecodeInt32(buffer_.data() + next_);
    next_ += 4;
    return value;
  }

  platform::File& file_;
  std::string path_;
  std::vector<char> buffer_;
  std::size_t next_ = 0;          // the first unread byte of buffer_
  std::size_t end_ = 0;           // the end of the bytes read into buffer_
  std::uint64_t consumed_ = 0;    // bytes of the file before buffer_[0]
  Place place_ = Place::kVersion;
  // Greater-child flags still to come: one for each node whose lesser subtree is being read.
  std::uint64_t pending_greater_flags_ = 0;
  char word_[256];
  std::size_t word_length_ = 0;
};

}  // namespace store

#endif  // INDEXER_STORE_INDEX_FILE_READER_H_

#ifndef INDEXER_STORE_INDEX_FILE_READER_H_
#define INDEXER_STORE_INDEX_FILE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/archive.h"
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

  // Reads the current record's remaining occurrences up to its terminator and appends them to
  // `records` as the file holds them (11-byte occurrence records); returns how many.
  std::size_t AppendOccurrenceRecords(std::string& records);

  // Number of bytes of the file read so far.
  std::uint64_t position() const { return archive_.position(); }

 private:
  enum class Place { kVersion, kRoot, kOccurrences, kChildFlags, kEnd };

  void ReadRecordHead();
  // Reads child flags after a record's terminator; true when they announce another record.
  bool ReadFlagsUpToNextRecord();
  [[noreturn]] void ThrowMalformed(std::uint64_t at, const std::string& problem) const;

  platform::ArchiveReader archive_;
  std::string path_;
  Place place_ = Place::kVersion;
  // Greater-child flags still to come: one for each node whose lesser subtree is being read.
  std::uint64_t pending_greater_flags_ = 0;
  char word_[256];
  std::size_t word_length_ = 0;
};

}  // namespace store

#endif  // INDEXER_STORE_INDEX_FILE_READER_H_

#ifndef INDEXER_STORE_STORE_TEST_SUPPORT_H_
#define INDEXER_STORE_STORE_TEST_SUPPORT_H_

// Helpers shared by the store's tests: index files as byte strings, read back as records, and
// hand-made record bytes for files the writer would never produce. For tests only.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "platform/message_pump.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/index_tree.h"
#include "store/occurrence_list.h"
#include "testing/temp_directory.h"

namespace store::test_support {

// One node record as a reader sees it.
struct Record {
  std::string word;
  std::vector<Occurrence> occurrences;
  friend bool operator==(const Record&, const Record&) = default;
};

// Every record of the index file at `path`, in file order; empty when its version is not 4.
inline std::vector<Record> ReadRecords(const std::string& path) {
  platform::File file = platform::File::OpenForReading(path);
  IndexFileReader reader(file);
  std::vector<Record> records;
  if (!reader.ReadVersion()) return records;
  while (reader.NextRecord()) {
    Record record{std::string(reader.word()), {}};
    Occurrence occurrence;
    while (reader.NextOccurrence(occurrence)) record.occurrences.push_back(occurrence);
    records.push_back(std::move(record));
  }
  return records;
}

// The bytes WriteIndexFile writes for `index`.
inline std::string IndexFileBytes(const CStringTreeIndex& index) {
  testing_support::TempDirectory dir;
  const std::string path = dir / "index";
  WriteIndexFile(index, path);
  return testing_support::ReadBytes(path);
}

inline std::string Int32Bytes(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return {static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
          static_cast<char>((v >> 16) & 0xff), static_cast<char>(v >> 24)};
}

inline std::string OccurrenceBytes(const Occurrence& o) {
  const auto file_id = static_cast<std::uint16_t>(o.file_id);
  return Int32Bytes(o.offset) + Int32Bytes(o.line_number) +
         std::string{static_cast<char>(file_id & 0xff), static_cast<char>(file_id >> 8),
                     static_cast<char>(o.entry_type)};
}

// The head of a node record up to and including its terminator (without the child flags), with
// the count field as given rather than as counted.
inline std::string RecordHeadBytes(std::string_view word,
                                   const std::vector<Occurrence>& occurrences,
                                   std::int32_t count_field) {
  std::string bytes(1, static_cast<char>(word.size() + 1));
  bytes += word;
  bytes += '\0';
  bytes += Int32Bytes(count_field);
  for (const Occurrence& o : occurrences) bytes += OccurrenceBytes(o);
  bytes += Int32Bytes(-1);
  return bytes;
}

inline std::string RecordHeadBytes(std::string_view word,
                                   const std::vector<Occurrence>& occurrences) {
  return RecordHeadBytes(word, occurrences, static_cast<std::int32_t>(occurrences.size()));
}

// Counts message-pump steps while installed.
class CountingPump : public platform::MessagePump {
 public:
  void Step() override { ++steps; }
  long steps = 0;
};

}  // namespace store::test_support

#endif  // INDEXER_STORE_STORE_TEST_SUPPORT_H_

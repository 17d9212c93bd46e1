#include "store/index_file_reader.h"

#include <cstring>

#include "platform/message_pump.h"
#include "store/index_file_writer.h"
#include "store/index_format_error.h"

namespace store {

IndexFileReader::IndexFileReader(platform::File& file) : archive_(file), path_(file.path()) {}

bool IndexFileReader::ReadVersion() {
  if (place_ != Place::kVersion) return place_ != Place::kEnd;
  if (archive_.ReadUInt8() != kIndexFileVersion) {
    place_ = Place::kEnd;
    return false;
  }
  place_ = Place::kRoot;
  return true;
}

bool IndexFileReader::NextRecord() {
  switch (place_) {
    case Place::kVersion:
      if (!ReadVersion()) return false;
      break;
    case Place::kRoot:
      break;
    case Place::kOccurrences: {
      Occurrence skipped;
      while (NextOccurrence(skipped)) {
      }
      [[fallthrough]];
    }
    case Place::kChildFlags:
      if (!ReadFlagsUpToNextRecord()) {
        place_ = Place::kEnd;
        return false;
      }
      break;
    case Place::kEnd:
      return false;
  }
  platform::PumpMessages();
  ReadRecordHead();
  place_ = Place::kOccurrences;
  return true;
}

bool IndexFileReader::NextOccurrence(Occurrence& occurrence) {
  if (place_ != Place::kOccurrences) return false;
  const std::int32_t offset = archive_.ReadInt32();
  if (offset == -1) {
    place_ = Place::kChildFlags;
    return false;
  }
  unsigned char rest[7];  // line number, file ID, entry type
  archive_.ReadBytes(rest, sizeof rest);
  occurrence.offset = offset;
  occurrence.line_number = static_cast<std::int32_t>(rest[0] | (rest[1] << 8) | (rest[2] << 16) |
                                                     (static_cast<std::uint32_t>(rest[3]) << 24));
  occurrence.file_id = static_cast<std::int16_t>(rest[4] | (rest[5] << 8));
  occurrence.entry_type = rest[6];
  return true;
}

std::size_t IndexFileReader::AppendOccurrenceRecords(std::string& records) {
  if (place_ != Place::kOccurrences) return 0;
  std::size_t count = 0;
  for (;;) {
    const std::int32_t offset = archive_.ReadInt32();
    if (offset == -1) {
      place_ = Place::kChildFlags;
      return count;
    }
    char record[kOccurrenceRecordSize];
    EncodeInt32(offset, record);
    archive_.ReadBytes(record + 4, kOccurrenceRecordSize - 4);
    records.append(record, kOccurrenceRecordSize);
    ++count;
  }
}

void IndexFileReader::ReadRecordHead() {
  const std::uint64_t start = archive_.position();
  const std::size_t length = archive_.ReadUInt8();
  if (length == 0) ThrowMalformed(start, "word length 0");
  archive_.ReadBytes(word_, length);
  if (word_[length - 1] != '\0' || std::memchr(word_, '\0', length - 1) != nullptr) {
    ThrowMalformed(start, "the word is not one NUL-terminated string");
  }
  word_length_ = length - 1;
  archive_.ReadInt32();  // the occurrence count; the terminator is what counts
}

bool IndexFileReader::ReadFlagsUpToNextRecord() {
  if (archive_.ReadUInt8() != 0) {  // lesser child
    ++pending_greater_flags_;
    return true;
  }
  for (;;) {
    if (archive_.ReadUInt8() != 0) return true;  // greater child
    if (pending_greater_flags_ == 0) return false;
    --pending_greater_flags_;  // the next flag is the greater-child flag of an ancestor
  }
}

void IndexFileReader::ThrowMalformed(std::uint64_t at, const std::string& problem) const {
  throw IndexFormatError(
      path_, "read", "malformed index record at byte " + std::to_string(at) + " (" + problem + ")");
}

}  // namespace store

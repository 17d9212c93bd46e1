#include "store/index_file_reader.h"

#include <algorithm>
#include <cstring>

#include "platform/file_error.h"
#include "platform/message_pump.h"
#include "store/index_file_writer.h"
#include "store/index_format_error.h"

namespace store {

IndexFileReader::IndexFileReader(platform::File& file)
    : file_(file), path_(file.path()), buffer_(kBufferSize) {}

bool IndexFileReader::Buffer(std::size_t count) {
  if (end_ - next_ >= count) return true;
  if (next_ != 0) {
    std::memmove(buffer_.data(), buffer_.data() + next_, end_ - next_);
    consumed_ += next_;
    end_ -= next_;
    next_ = 0;
  }
  if (count > buffer_.size()) buffer_.resize(std::max(count, 2 * buffer_.size()));
  while (end_ < count) {
    const std::size_t got = file_.ReadSome(buffer_.data() + end_, buffer_.size() - end_);
    if (got == 0) return false;
    end_ += got;
  }
  return true;
}

void IndexFileReader::Refill(std::size_t count) {
  if (!Buffer(count)) throw platform::EndOfFileError(path_);
}

bool IndexFileReader::ReadVersion() {
  if (place_ != Place::kVersion) return place_ != Place::kEnd;
  if (ReadUInt8() != kIndexFileVersion) {
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
  Need(4);
  if (DecodeInt32(buffer_.data() + next_) == -1) {
    next_ += 4;
    place_ = Place::kChildFlags;
    return false;
  }
  Need(kOccurrenceRecordSize);
  occurrence = DecodeOccurrence(buffer_.data() + next_);
  next_ += kOccurrenceRecordSize;
  return true;
}

std::string_view IndexFileReader::OccurrenceRecords() {
  if (place_ != Place::kOccurrences) return {};
  // Every 11 bytes an offset; the list ends at the offset -1.
  std::size_t size = 0;
  for (;;) {
    Need(size + 4);
    if (DecodeInt32(buffer_.data() + next_ + size) == -1) break;
    size += kOccurrenceRecordSize;
  }
  const std::string_view records(buffer_.data() + next_, size);
  next_ += size + 4;
  place_ = Place::kChildFlags;
  return records;
}

void IndexFileReader::ReadRecordHead() {
  const std::uint64_t start = position();
  const std::size_t length = ReadUInt8();
  if (length == 0) ThrowMalformed(start, "word length 0");
  Need(length);
  std::memcpy(word_, buffer_.data() + next_, length);
  next_ += length;
  if (word_[length - 1] != '\0' || std::memchr(word_, '\0', length - 1) != nullptr) {
    ThrowMalformed(start, "the word is not one NUL-terminated string");
  }
  word_length_ = length - 1;
  ReadInt32();  // the occurrence count; the terminator is what counts
}

bool IndexFileReader::ReadFlagsUpToNextRecord() {
  if (ReadUInt8() != 0) {  // lesser child
    ++pending_greater_flags_;
    return true;
  }
  for (;;) {
    if (ReadUInt8() != 0) return true;  // greater child
    if (pending_greater_flags_ == 0) return false;
    --pending_greater_flags_;  // the next flag is the greater-child flag of an ancestor
  }
}

void IndexFileReader::ThrowMalformed(std::uint64_t at, const std::string& problem) const {
  throw IndexFormatError(
      path_, "read", "malformed index record at byte " + std::to_string(at) + " (" + problem + ")");
}

}  // namespace store

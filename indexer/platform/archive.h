#ifndef INDEXER_PLATFORM_ARCHIVE_H_
#define INDEXER_PLATFORM_ARCHIVE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/file.h"

namespace platform {

// Sequential reading of raw bytes and little-endian integers from a file, through one large
// buffer. Reading beyond the end of the file throws EndOfFileError; a read error throws
// FileError. The archive does not own the file; the file must outlive it.
class ArchiveReader {
 public:
  static constexpr std::size_t kDefaultBufferSize = 1 << 16;

  explicit ArchiveReader(File& file, std::size_t buffer_size = kDefaultBufferSize);
  ArchiveReader(const ArchiveReader&) = delete;
  ArchiveReader& operator=(const ArchiveReader&) = delete;

  std::uint8_t ReadUInt8() {
    if (next_ == end_) Refill(1);
    return static_cast<std::uint8_t>(*next_++);
  }
  std::uint16_t ReadUInt16();
  std::uint32_t ReadUInt32();
  std::int16_t ReadInt16() { return static_cast<std::int16_t>(ReadUInt16()); }
  std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }
  // Reads exactly `size` bytes.
  void ReadBytes(void* destination, std::size_t size);
  // Skips exactly `size` bytes.
  void Skip(std::size_t size);
  // True when every byte of the file has been read.
  bool AtEnd();
  // Number of bytes read so far.
  std::uint64_t position() const { return consumed_before_buffer_ + (next_ - buffer_.data()); }

 private:
  // Makes at least `needed` bytes (at most the buffer size) available, or throws EndOfFileError.
  void Refill(std::size_t needed);
  // Reads more of the file into the buffer, keeping the unread bytes; false at the end.
  bool FillMore();

  File& file_;
  std::vector<char> buffer_;
  const char* next_;
  const char* end_;
  std::uint64_t consumed_before_buffer_ = 0;
};

// Sequential writing of raw bytes and little-endian integers to a file, through one large
// buffer. Flush() writes out what is buffered and must be called before the file is closed or
// committed; the destructor drops unflushed bytes silently (it runs on error paths). A write
// error throws FileError.
class ArchiveWriter {
 public:
  static constexpr std::size_t kDefaultBufferSize = 1 << 16;

  explicit ArchiveWriter(File& file, std::size_t buffer_size = kDefaultBufferSize);
  ArchiveWriter(const ArchiveWriter&) = delete;
  ArchiveWriter& operator=(const ArchiveWriter&) = delete;

  void WriteUInt8(std::uint8_t value) {
    if (used_ == buffer_.size()) Flush();
    buffer_[used_++] = static_cast<char>(value);
  }
  void WriteUInt16(std::uint16_t value);
  void WriteUInt32(std::uint32_t value);
  void WriteInt16(std::int16_t value) { WriteUInt16(static_cast<std::uint16_t>(value)); }
  void WriteInt32(std::int32_t value) { WriteUInt32(static_cast<std::uint32_t>(value)); }
  void WriteBytes(const void* data, std::size_t size);
  void Flush();
  // Number of bytes written so far, buffered ones included.
  std::uint64_t position() const { return flushed_ + used_; }

 private:
  File& file_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  std::uint64_t flushed_ = 0;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_ARCHIVE_H_

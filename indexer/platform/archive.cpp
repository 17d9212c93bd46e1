#include "platform/archive.h"

#include <algorithm>
#include <cstring>

#include "platform/file_error.h"

namespace platform {

ArchiveReader::ArchiveReader(File& file, std::size_t buffer_size)
    : file_(file), buffer_(std::max<std::size_t>(buffer_size, 16)) {
  next_ = end_ = buffer_.data();
}

bool ArchiveReader::FillMore() {
  std::size_t unread = static_cast<std::size_t>(end_ - next_);
  if (next_ != buffer_.data()) {
    consumed_before_buffer_ += static_cast<std::uint64_t>(next_ - buffer_.data());
    std::memmove(buffer_.data(), next_, unread);
    next_ = buffer_.data();
    end_ = next_ + unread;
  }
  std::size_t got = file_.ReadSome(buffer_.data() + unread, buffer_.size() - unread);
  end_ += got;
  return got > 0;
}

void ArchiveReader::Refill(std::size_t needed) {
  while (static_cast<std::size_t>(end_ - next_) < needed) {
    if (!FillMore()) throw EndOfFileError(file_.path());
  }
}

std::uint16_t ArchiveReader::ReadUInt16() {
  if (end_ - next_ < 2) Refill(2);
  const auto* p = reinterpret_cast<const unsigned char*>(next_);
  next_ += 2;
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ArchiveReader::ReadUInt32() {
  if (end_ - next_ < 4) Refill(4);
  const auto* p = reinterpret_cast<const unsigned char*>(next_);
  next_ += 4;
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void ArchiveReader::ReadBytes(void* destination, std::size_t size) {
  char* out = static_cast<char*>(destination);
  while (size > 0) {
    if (next_ == end_ && !FillMore()) throw EndOfFileError(file_.path());
    std::size_t take = std::min(size, static_cast<std::size_t>(end_ - next_));
    std::memcpy(out, next_, take);
    next_ += take;
    out += take;
    size -= take;
  }
}

void ArchiveReader::Skip(std::size_t size) {
  while (size > 0) {
    if (next_ == end_ && !FillMore()) throw EndOfFileError(file_.path());
    std::size_t take = std::min(size, static_cast<std::size_t>(end_ - next_));
    next_ += take;
    size -= take;
  }
}

bool ArchiveReader::AtEnd() { return next_ == end_ && !FillMore(); }

ArchiveWriter::ArchiveWriter(File& file, std::size_t buffer_size)
    : file_(file), buffer_(std::max<std::size_t>(buffer_size, 16)) {}

void ArchiveWriter::WriteUInt16(std::uint16_t value) {
  if (buffer_.size() - used_ < 2) Flush();
  buffer_[used_++] = static_cast<char>(value & 0xff);
  buffer_[used_++] = static_cast<char>(value >> 8);
}

void ArchiveWriter::WriteUInt32(std::uint32_t value) {
  if (buffer_.size() - used_ < 4) Flush();
  for (int shift = 0; shift < 32; shift += 8) {
    buffer_[used_++] = static_cast<char>((value >> shift) & 0xff);
  }
}

void ArchiveWriter::WriteBytes(const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  if (size >= buffer_.size()) {
    Flush();
    file_.WriteAll(bytes, size);
    flushed_ += size;
    return;
  }
  if (buffer_.size() - used_ < size) Flush();
  std::memcpy(buffer_.data() + used_, bytes, size);
  used_ += size;
}

void ArchiveWriter::Flush() {
  if (used_ == 0) return;
  file_.WriteAll(buffer_.data(), used_);
  flushed_ += used_;
  used_ = 0;
}

}  // namespace platform

#include "platform/text_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfText = 0x1A;

}  // namespace

std::optional<TextReader> TextReader::TryOpen(std::string_view path) {
  std::optional<File> file = File::TryOpenForReading(path);
  if (!file) return std::nullopt;
  return TextReader(std::move(*file));
}

TextReader::TextReader(File file) : file_(std::move(file)), buffer_(kBufferSize) {}

std::size_t TextReader::Buffer(std::size_t count) {
  if (end_ - next_ >= count) return end_ - next_;
  std::size_t unread = end_ - next_;
  std::memmove(buffer_.data(), buffer_.data() + next_, unread);
  next_ = 0;
  end_ = unread;
  while (end_ < count) {
    std::size_t got = file_.ReadSome(buffer_.data() + end_, buffer_.size() - end_);
    if (got == 0) break;
    end_ += got;
  }
  return end_;
}

std::size_t TextReader::ReadLine(char* buffer, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t limit = size - 1;
  std::size_t count = 0;
  while (count < limit) {
    if (!pushed_back_.empty()) {
      char byte = pushed_back_.back();
      pushed_back_.pop_back();
      buffer[count++] = byte;
      if (byte == kLineFeed) break;
      continue;
    }
    if (ended_ || Buffer(1) == 0) break;

    // Copy the run of ordinary bytes in one go.
    const char* from = buffer_.data() + next_;
    std::size_t available = std::min(end_ - next_, limit - count);
    std::size_t run = 0;
    while (run < available && from[run] != kLineFeed && from[run] != kCarriageReturn &&
           from[run] != kEndOfText) {
      ++run;
    }
    std::memcpy(buffer + count, from, run);
    count += run;
    next_ += run;
    if (run == available) continue;

    char byte = buffer_[next_++];
    if (byte == kLineFeed) {
      buffer[count++] = byte;
      break;
    }
    if (byte == kCarriageReturn) {
      // Dropped; the byte after it is delivered in its place, whatever it is, except that
      // 0x1A keeps its meaning.
      if (Buffer(1) == 0) break;
      byte = buffer_[next_++];
      if (byte != kEndOfText) {
        buffer[count++] = byte;
        if (byte == kLineFeed) break;
        continue;
      }
    }
    // 0x1A: at the start of a read it ends the file; later it ends this read only.
    if (count == 0) ended_ = true;
    break;
  }
  buffer[count] = '\0';
  return count;
}

void TextReader::PushBack(char byte) { pushed_back_.push_back(byte); }

bool TextReader::AtEnd() {
  if (!pushed_back_.empty()) return false;
  if (ended_) return true;
  std::size_t available = Buffer(2);
  if (available == 0) return true;
  char first = buffer_[next_];
  if (first == kEndOfText) return true;
  if (first == kCarriageReturn) return available == 1 || buffer_[next_ + 1] == kEndOfText;
  return false;
}

void TextReader::SeekTo(std::uint64_t offset) {
  file_.SeekTo(offset);
  next_ = end_ = 0;
  pushed_back_.clear();
  ended_ = false;
}

}  // namespace platform

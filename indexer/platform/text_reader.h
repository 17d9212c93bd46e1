#ifndef INDEXER_PLATFORM_TEXT_READER_H_
#define INDEXER_PLATFORM_TEXT_READER_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/file.h"

namespace platform {

// Text-mode reading of a source file, as the scanners and the test search read their files,
// through one large buffer:
//   - a carriage return (0x0D) is dropped and the byte after it is delivered in its place,
//     whatever that byte is (of two carriage returns in a row only the first is dropped);
//     a carriage return followed by 0x1A is dropped and the 0x1A keeps its meaning below;
//   - a byte 0x1A is never delivered: met as the first byte of a ReadLine it ends the file
//     (ReadLine returns 0, now and on every later call); met later it ends that ReadLine, and
//     the next ReadLine goes on after it.
// Bytes pushed back with PushBack are delivered again first, the last pushed first.
class TextReader {
 public:
  // Opens the file for text reading; empty when it cannot be opened (missing, a directory, no
  // permission).
  static std::optional<TextReader> TryOpen(std::string_view path);

  explicit TextReader(File file);
  TextReader(TextReader&&) noexcept = default;
  TextReader& operator=(TextReader&&) noexcept = default;

  // Reads up to and including the next line feed, at most `size - 1` bytes, into `buffer`, and
  // writes a NUL after them. Returns the number of bytes stored; 0 when nothing is left. A read
  // error throws FileError.
  std::size_t ReadLine(char* buffer, std::size_t size);

  // Delivers `byte` again before anything else. Several bytes may be pushed back in a row.
  void PushBack(char byte);

  // True when no byte is left to deliver: nothing is pushed back and the file is exhausted, or
  // ended by 0x1A, or what is left of it would deliver nothing (it begins with 0x1A, with a
  // carriage return and 0x1A, or is a lone carriage return). Meant to be asked between reads.
  bool AtEnd();

  // Positions the reader `offset` bytes from the start of the file and forgets pushed-back
  // bytes and any end met before.
  void SeekTo(std::uint64_t offset);

  void Close() { file_.Close(); }
  const File& file() const { return file_; }

 private:
  // Makes at least `count` unread bytes available in the buffer, unless the file ends first;
  // returns the number available.
  std::size_t Buffer(std::size_t count);

  File file_;
  std::vector<char> buffer_;         // raw bytes of the file; [next_, end_) not yet read
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  std::vector<char> pushed_back_;    // a stack: the last byte pushed is delivered first
  bool ended_ = false;               // a 0x1A ended the file
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_TEXT_READER_H_

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

  // True when no byte is left to deliver: the file is exhausted (or ended by 0x1A) and nothing
  // is pushed back.
  bool AtEnd();

  // Positions the reader `offset` bytes from the start of the file and forgets pushed-back
  // bytes and any end met before.
  void SeekTo(std::uint64_t offset);

  void Close() { file_.Close(); }
  const File& file() const { return file_; }

 private:
  File file_;
  // Implementation state (buffer, positions, pushed-back bytes, end flag) is the
  // implementation's own.
  std::vector<char> buffer_;
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  std::vector<char> pushed_back_;
  bool ended_ = false;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_TEXT_READER_H_

#ifndef BENCH_ZENTU_DICTIONARY_LINES_H_
#define BENCH_ZENTU_DICTIONARY_LINES_H_

#include <cstddef>
#include <string>
#include <vector>

namespace zentu_bench {

// Generated lines of an English-Japanese dictionary in Shift-JIS, shaped like real entries:
//   ■headword phrase  {名-1} : 日本語の訳、カタカナ◆example sentence, with 3.14 and it's.
// The lines are stored one after another, each with its terminating NUL, so a benchmark can copy
// the whole block into a writable buffer in one go and walk it line by line.
class DictionaryLines {
 public:
  // About `total_bytes` bytes of lines, the same for every run.
  explicit DictionaryLines(std::size_t total_bytes);

  const std::string& block() const { return block_; }
  const std::vector<std::size_t>& line_starts() const { return line_starts_; }
  // The bytes of the lines, NULs not counted.
  std::size_t text_bytes() const { return block_.size() - line_starts_.size(); }

 private:
  std::string block_;
  std::vector<std::size_t> line_starts_;
};

}  // namespace zentu_bench

#endif  // BENCH_ZENTU_DICTIONARY_LINES_H_

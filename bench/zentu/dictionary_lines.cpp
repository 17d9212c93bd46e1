#include "dictionary_lines.h"

#include <random>

namespace zentu_bench {
namespace {

class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}

  void EnglishWord(bool capital) {
    std::uniform_int_distribution<int> length(2, 10);
    std::uniform_int_distribution<int> letter('a', 'z');
    for (int i = 0, n = length(random_); i < n; ++i) {
      char c = static_cast<char>(letter(random_));
      if (i == 0 && capital) c = static_cast<char>(c - 0x20);
      out_ += c;
    }
  }

  // Kanji of JIS level 1, hiragana and katakana, in runs as in Japanese text.
  void JapanesePhrase() {
    std::uniform_int_distribution<int> characters(2, 8);
    std::uniform_int_distribution<int> script(0, 9);
    for (int i = 0, n = characters(random_); i < n; ++i) {
      const int kind = script(random_);
      if (kind < 5) {
        out_ += static_cast<char>(std::uniform_int_distribution<int>(0x89, 0x97)(random_));
        int second = std::uniform_int_distribution<int>(0x40, 0xFC)(random_);
        if (second == 0x7F) second = 0x80;
        out_ += static_cast<char>(second);
      } else if (kind < 8) {
        out_ += '\x82';
        out_ += static_cast<char>(std::uniform_int_distribution<int>(0x9F, 0xF1)(random_));
      } else {
        out_ += '\x83';
        int second = std::uniform_int_distribution<int>(0x40, 0x96)(random_);
        if (second == 0x7F) second = 0x80;
        out_ += static_cast<char>(second);
      }
    }
  }

  void Line() {
    std::uniform_int_distribution<int> few(1, 3);
    out_ += "\x81\xA1";  // ■
    for (int i = 0, n = few(random_); i < n; ++i) {
      if (i > 0) out_ += ' ';
      EnglishWord(i == 0 && few(random_) == 1);
    }
    out_ += "  {\x96\xBC-1} : ";  // {名-1}
    for (int i = 0, n = few(random_); i < n; ++i) {
      if (i > 0) out_ += "\x81\x41";  // 、
      JapanesePhrase();
    }
    if (few(random_) == 1) {
      out_ += "\x81\x9F";  // ◆
      for (int i = 0, n = 4 + few(random_) * 2; i < n; ++i) {
        EnglishWord(i == 0);
        out_ += i == n - 1 ? ". " : i % 4 == 3 ? ", " : " ";
      }
      out_ += "It's 3.14, or 1,000 at 12:30. ";
      JapanesePhrase();
      out_ += "\x81\x42";  // 。
    }
  }

 private:
  std::string& out_;
  std::mt19937 random_{20240601};
};

}  // namespace

DictionaryLines::DictionaryLines(std::size_t total_bytes) {
  LineWriter writer(block_);
  while (block_.size() < total_bytes) {
    line_starts_.push_back(block_.size());
    writer.Line();
    block_ += '\0';
  }
}

}  // namespace zentu_bench

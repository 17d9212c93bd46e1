// Throughput of text-mode reading as the scanners read: pieces of at most 7,998 bytes from a
// dictionary-like file with CR LF line ends.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/text_reader.h"
#include "testing/temp_directory.h"

namespace {

using testing_support::TempDirectory;

// About 32 MiB of 60-byte lines, each ending in CR LF.
const std::string& DictionaryFile(const TempDirectory& dir) {
  static const std::string path = [&] {
    std::string line = "\x81\xa1" "abandon : " + std::string(46, 'x') + "\r\n";
    std::string text;
    text.reserve(32 << 20);
    while (text.size() < (32u << 20)) text += line;
    std::string file = dir / "FENG5A.TXT";
    testing_support::WriteBytes(file, text);
    return file;
  }();
  return path;
}

void BM_ReadLines(benchmark::State& state) {
  static TempDirectory dir;
  const std::string& path = DictionaryFile(dir);
  std::size_t bytes = 0;
  char buffer[7999];
  for (auto _ : state) {
    std::optional<platform::TextReader> reader = platform::TextReader::TryOpen(path);
    while (std::size_t got = reader->ReadLine(buffer, sizeof buffer)) bytes += got;
    benchmark::DoNotOptimize(buffer);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

}  // namespace

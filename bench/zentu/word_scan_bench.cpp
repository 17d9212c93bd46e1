// _strword over dictionary lines, as the builds cut every line of a dictionary into words.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "dictionary_lines.h"
#include "zentu/zentu.h"

namespace {

void BM_StrwordDictionaryLines(benchmark::State& state) {
  const zentu_bench::DictionaryLines lines(static_cast<std::size_t>(state.range(0)));
  std::string work(lines.block().size(), '\0');
  std::size_t words = 0;
  for (auto _ : state) {
    std::memcpy(work.data(), lines.block().data(), work.size());  // the scan works in place
    for (std::size_t start : lines.line_starts()) {
      for (char* word = _strword(work.data() + start); word != nullptr; word = _strword(nullptr)) {
        ++words;
      }
    }
    benchmark::DoNotOptimize(words);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(lines.text_bytes()));
  state.counters["words/line"] = benchmark::Counter(
      static_cast<double>(words) / static_cast<double>(state.iterations() * lines.line_starts().size()));
}
BENCHMARK(BM_StrwordDictionaryLines)->Arg(1 << 20);

}  // namespace

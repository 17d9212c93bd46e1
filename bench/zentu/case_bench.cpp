// _mbstrlwr over dictionary lines.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "dictionary_lines.h"
#include "zentu/zentu.h"

namespace {

void BM_MbstrlwrDictionaryLines(benchmark::State& state) {
  const zentu_bench::DictionaryLines lines(static_cast<std::size_t>(state.range(0)));
  std::string work(lines.block().size(), '\0');
  for (auto _ : state) {
    std::memcpy(work.data(), lines.block().data(), work.size());  // fresh capitals every time
    for (std::size_t start : lines.line_starts()) {
      benchmark::DoNotOptimize(_mbstrlwr(work.data() + start));
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(lines.text_bytes()));
}
BENCHMARK(BM_MbstrlwrDictionaryLines)->Arg(1 << 20);

}  // namespace

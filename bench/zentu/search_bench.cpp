// The Boyer-Moore search (one table, many lines) and the character-wise substring search, each
// looking for a pattern that occurs in few lines, so most lines are read to their end.

#include <benchmark/benchmark.h>

#include <string>

#include "dictionary_lines.h"
#include "zentu/zentu.h"

namespace {

// An ASCII word and a Japanese word (kanji + hiragana) as patterns.
const char* const kPatterns[] = {"xylophone", "\x8E\xAB\x8F\x91\x82\xCC"};

template <typename Search>
void SearchLines(benchmark::State& state, Search search) {
  const zentu_bench::DictionaryLines lines(1 << 20);
  const char* pattern = kPatterns[state.range(0)];
  std::size_t found = 0;
  for (auto _ : state) {
    for (std::size_t start : lines.line_starts()) {
      if (search(lines.block().data() + start, pattern) != nullptr) ++found;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(lines.text_bytes()));
  state.SetLabel(state.range(0) == 0 ? "ASCII pattern" : "Japanese pattern");
}

void BM_BmstrstrDictionaryLines(benchmark::State& state) {
  _bminitialize(kPatterns[state.range(0)]);
  SearchLines(state, _bmstrstr);
}
BENCHMARK(BM_BmstrstrDictionaryLines)->Arg(0)->Arg(1);

void BM_MbstrstrDictionaryLines(benchmark::State& state) { SearchLines(state, _mbstrstr); }
BENCHMARK(BM_MbstrstrDictionaryLines)->Arg(0)->Arg(1);

}  // namespace

// Throughput of the dictionary line scanners over generated Shift-JIS dictionaries with CR LF
// line ends, and of a whole generic build (scan, partial files, registration, consolidation).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "building/dictionary_scanner.h"
#include "building/jap_eng_values.h"
#include "building/single_phase_build.h"
#include "platform/host_path.h"
#include "platform/profiles.h"
#include "platform/recording_user_interface.h"
#include "shell/command_context.h"
#include "shell/document.h"
#include "store/index_tree.h"
#include "testing/temp_directory.h"

namespace {

using testing_support::TempDirectory;

std::string Word(std::size_t n) {
  static const char* const kSyllables[] = {"ka", "ri", "to", "men", "sa", "lo", "ve", "dun",
                                           "pe", "qui", "ra", "ba", "ne", "xo", "ty", "gor"};
  std::string word;
  do {
    word += kSyllables[n % 16];
    n /= 16;
  } while (n != 0);
  return word;
}

// An English-Japanese dictionary of `lines` entries: the head word (in sorted order when
// `sorted`), a separator, a Japanese gloss and a note after a cut mark.
std::string EnglishJapaneseText(std::size_t lines, bool sorted) {
  std::mt19937 random(42);
  std::vector<std::string> heads;
  for (std::size_t i = 0; i < lines; ++i) heads.push_back(Word(random() % 200000));
  if (sorted) std::sort(heads.begin(), heads.end());
  std::string text;
  for (const std::string& head : heads) {
    text += "\x81\xa1" + head + " " + Word(random() % 5000) +
            " : \x82\xa0\x82\xa2\x82\xa4\x81\x41\x8e\xab\x8f\x91\x81\x9f" + "note " +
            Word(random() % 1000) + "\r\n";
  }
  return text;
}

// Running text of `lines` lines of twelve words each.
std::string GenericText(std::size_t lines, unsigned seed) {
  std::mt19937 random(seed);
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    for (int w = 0; w < 12; ++w) text += Word(random() % 30000) + (w < 11 ? " " : ".\r\n");
  }
  return text;
}

void ScanBenchmark(benchmark::State& state, const std::string& text, bool english_japanese) {
  TempDirectory dir;
  testing_support::WriteBytes(dir / "FENG5A.TXT", text);
  const std::string path = platform::ProgramPathOfHost(dir / "FENG5A.TXT");
  store::CStringTreeIndex index;
  building::DictionaryScanner scanner(index);
  for (auto _ : state) {
    if (english_japanese) {
      scanner.ScanEnglishJapaneseFile(path, 0);
    } else {
      scanner.ScanGenericFile(path, 0);
    }
    benchmark::DoNotOptimize(index.root());  // the tree's shape is part of the work
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["words"] = static_cast<double>(index.size());
}

void BM_ScanEnglishJapanese(benchmark::State& state) {
  static const std::string text = EnglishJapaneseText(200000, false);
  ScanBenchmark(state, text, true);
}
BENCHMARK(BM_ScanEnglishJapanese)->Unit(benchmark::kMillisecond);

// Dictionaries are sorted: the tree becomes one long chain of greater children.
void BM_ScanSortedEnglishJapanese(benchmark::State& state) {
  static const std::string text = EnglishJapaneseText(200000, true);
  ScanBenchmark(state, text, true);
}
BENCHMARK(BM_ScanSortedEnglishJapanese)->Unit(benchmark::kMillisecond);

void BM_ScanGeneric(benchmark::State& state) {
  static const std::string text = GenericText(100000, 7);
  ScanBenchmark(state, text, false);
}
BENCHMARK(BM_ScanGeneric)->Unit(benchmark::kMillisecond);

// A generic build of ten files of about 1 MiB each, from the listing to the word list.
void BM_GenericBuild(benchmark::State& state) {
  TempDirectory dir;
  std::filesystem::create_directories(dir.path() / "dic");
  std::filesystem::create_directories(dir.path() / "idx");
  std::size_t bytes = 0;
  for (unsigned i = 0; i < 10; ++i) {
    const std::string text = GenericText(14000, i);
    bytes += text.size();
    testing_support::WriteBytes(dir / ("dic/TEXT" + std::to_string(i) + ".TXT"), text);
  }
  platform::DiskProfiles profiles(dir / "INDEXER.INI");
  platform::RecordingUserInterface ui;
  shell::CIndexerDoc document(profiles.Application(), ui);
  shell::CommandContext context(document, profiles, ui);
  building::JapEngValues values = building::JapEngValues::Load(profiles.Application(), 1);
  values.m_dirName = platform::ProgramPathOfHost(dir / "dic") + "\\";
  values.m_fileName = "*.TXT";
  values.m_indexDir = platform::ProgramPathOfHost(dir / "idx") + "\\";
  values.Save(profiles.Application());
  for (auto _ : state) building::BuildGeneric(context, values);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_GenericBuild)->Unit(benchmark::kMillisecond);

}  // namespace

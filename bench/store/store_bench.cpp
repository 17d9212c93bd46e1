// Benchmarks of the index store.
//
//   InsertDistinctWords/{sorted,random,reverse}: 1,000,000 distinct words inserted into an empty
//     index, up to the tree's shape (root()); sorted input makes a chain a million nodes deep,
//     which must cost no more than about twice random input.
//   WriteIndex / WriteIndexFile / ParseIndexFile: an index file of a partial-index-like tree
//     (200,000 words, 600,000 occurrences); bytes per second. WriteIndexFile is the atomic
//     replacement the program uses (temporary file, rename; no flush to disk); WriteIndex the
//     serializer alone.
//   Consolidate200: 200 partial index files of a large build (each 100,000 word occurrences
//     drawn with Zipf frequencies, as in natural text, from a 400,000-word vocabulary; about
//     350 MB in all) consolidated into letter index files and the word list; the counter
//     "vs_parse" is its time divided by the time of one plain parse of the same 200 files
//     (reading every record and occurrence), measured in the same run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/archive.h"
#include "platform/file.h"
#include "store/consolidation.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/index_tree.h"
#include "store/word_order.h"
#include "testing/temp_directory.h"

namespace store {
namespace {

using testing_support::TempDirectory;

// `count` distinct words of 3 to 12 small letters, about one in ten of double-byte characters,
// in random order.
std::vector<std::string> MakeWords(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::unordered_set<std::string> seen;
  std::vector<std::string> words;
  words.reserve(count);
  while (words.size() < count) {
    std::string word;
    if (random() % 10 == 0) {
      for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n) {
        word += static_cast<char>(0x82 + random() % 2);
        word += static_cast<char>(0x9F + random() % 80);
      }
    } else {
      for (int n = 3 + static_cast<int>(random() % 10); n > 0; --n) {
        word += static_cast<char>('a' + random() % 26);
      }
    }
    if (seen.insert(word).second) words.push_back(word);
  }
  return words;
}

enum Order { kSorted, kRandom, kReverse };

const std::vector<std::string>& MillionWords(Order order) {
  static const auto orders = [] {
    std::vector<std::vector<std::string>> result(3);
    result[kRandom] = MakeWords(1'000'000, 1);
    result[kSorted] = result[kRandom];
    std::sort(result[kSorted].begin(), result[kSorted].end(),
              [](const std::string& a, const std::string& b) { return CompareWords(a, b) < 0; });
    result[kReverse].assign(result[kSorted].rbegin(), result[kSorted].rend());
    return result;
  }();
  return orders[order];
}

void InsertDistinctWords(benchmark::State& state) {
  const auto order = static_cast<Order>(state.range(0));
  const std::vector<std::string>& words = MillionWords(order);
  static const bool warmed_up = [&] {  // the first tree of a process pays for fresh pages
    CStringTreeIndex index;
    for (const std::string& word : words) index.Insert(word, 0, 1, 1, 0);
    return true;
  }();
  benchmark::DoNotOptimize(warmed_up);
  for (auto _ : state) {
    auto index = std::make_unique<CStringTreeIndex>();
    for (std::size_t i = 0; i < words.size(); ++i) {
      index->Insert(words[i], 0, static_cast<std::int32_t>(i * 40), static_cast<std::int32_t>(i),
                    0);
    }
    benchmark::DoNotOptimize(index->root());  // the tree's shape is part of the work
    state.PauseTiming();
    index.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(words.size()));
  state.SetLabel(order == kSorted ? "sorted" : order == kRandom ? "random" : "reverse");
}
BENCHMARK(InsertDistinctWords)
    ->Arg(kSorted)
    ->Arg(kRandom)
    ->Arg(kReverse)
    ->Unit(benchmark::kMillisecond);

// Draws vocabulary ranks with Zipf frequencies: rank r (from 0) with weight 1 / (r + 1).
class ZipfRanks {
 public:
  explicit ZipfRanks(std::size_t size) : cumulative_(size) {
    double sum = 0;
    for (std::size_t r = 0; r < size; ++r) cumulative_[r] = sum += 1.0 / static_cast<double>(r + 1);
  }
  std::size_t Draw(std::mt19937& random) const {
    const double u = std::uniform_real_distribution<double>(0, cumulative_.back())(random);
    const auto at = std::lower_bound(cumulative_.begin(), cumulative_.end(), u);
    return std::min(static_cast<std::size_t>(at - cumulative_.begin()), cumulative_.size() - 1);
  }

 private:
  std::vector<double> cumulative_;
};

// A tree like one source file's partial index: `occurrences` words drawn from `vocabulary`,
// five to a line.
void FillLikeASourceFile(CStringTreeIndex& index, const std::vector<std::string>& vocabulary,
                         const ZipfRanks& ranks, std::size_t occurrences, std::int16_t file_id,
                         std::mt19937& random) {
  std::int32_t offset = 0;
  std::int32_t line = 0;
  for (std::size_t i = 0; i < occurrences; ++i) {
    if (i % 5 == 0) {
      offset += 40;
      ++line;
    }
    index.Insert(vocabulary[ranks.Draw(random)], 0, offset, line, file_id);
  }
}

struct IndexFileFixture {
  IndexFileFixture() {
    const std::vector<std::string> words = MakeWords(200'000, 2);
    std::mt19937 random(3);
    for (std::size_t i = 0; i < words.size(); ++i) {  // every word once, then Zipf repeats
      index.Insert(words[i], 0, static_cast<std::int32_t>(i), 1, 0);
    }
    FillLikeASourceFile(index, words, ZipfRanks(words.size()), 400'000, 0, random);
    path = dir / "index";
    WriteIndexFile(index, path);
    size = static_cast<std::int64_t>(std::filesystem::file_size(path));
  }
  TempDirectory dir;
  CStringTreeIndex index;
  std::string path;
  std::int64_t size = 0;
};

IndexFileFixture& SharedIndexFile() {
  static IndexFileFixture fixture;
  return fixture;
}

void WriteIndex(benchmark::State& state) {
  IndexFileFixture& fixture = SharedIndexFile();
  const std::string path = fixture.dir / "written";
  for (auto _ : state) {
    platform::File file = platform::File::Create(path);
    platform::ArchiveWriter archive(file);
    store::WriteIndex(fixture.index, archive, path);
    archive.Flush();
    file.Close();
  }
  state.SetBytesProcessed(state.iterations() * fixture.size);
}
BENCHMARK(WriteIndex)->Unit(benchmark::kMillisecond);

void WriteIndexFile(benchmark::State& state) {
  IndexFileFixture& fixture = SharedIndexFile();
  const std::string path = fixture.dir / "replaced";
  for (auto _ : state) store::WriteIndexFile(fixture.index, path);
  state.SetBytesProcessed(state.iterations() * fixture.size);
}
BENCHMARK(WriteIndexFile)->Unit(benchmark::kMillisecond);

// Reads every record and occurrence of an index file; returns the number of occurrences.
std::int64_t ParseAll(const std::string& path) {
  platform::File file = platform::File::OpenForReading(path);
  IndexFileReader reader(file);
  std::int64_t occurrences = 0;
  if (!reader.ReadVersion()) return 0;
  Occurrence occurrence;
  while (reader.NextRecord()) {
    while (reader.NextOccurrence(occurrence)) ++occurrences;
  }
  return occurrences;
}

void ParseIndexFile(benchmark::State& state) {
  IndexFileFixture& fixture = SharedIndexFile();
  for (auto _ : state) benchmark::DoNotOptimize(ParseAll(fixture.path));
  state.SetBytesProcessed(state.iterations() * fixture.size);
}
BENCHMARK(ParseIndexFile)->Unit(benchmark::kMillisecond);

// 200 partial index files of a build over a 400,000-word vocabulary, 100,000 occurrences each.
struct BuildFixture {
  BuildFixture() {
    const std::vector<std::string> vocabulary = MakeWords(400'000, 4);
    const ZipfRanks ranks(vocabulary.size());
    std::mt19937 random(5);
    std::filesystem::create_directory(dir.path() / "partials");
    for (int file_id = 0; file_id < 200; ++file_id) {
      CStringTreeIndex index;
      FillLikeASourceFile(index, vocabulary, ranks, 100'000, static_cast<std::int16_t>(file_id),
                          random);
      char name[32];
      std::snprintf(name, sizeof name, "partials/IDX_TEST.%03d", file_id);
      const std::string path = dir / name;
      platform::File file = platform::File::Create(path);
      platform::ArchiveWriter archive(file);
      store::WriteIndex(index, archive, path);
      archive.Flush();
      file.Close();
      sources.push_back(path);
      bytes += static_cast<std::int64_t>(std::filesystem::file_size(path));
    }
  }
  TempDirectory dir;
  std::vector<std::string> sources;
  std::int64_t bytes = 0;
};

void Consolidate200(benchmark::State& state) {
  static BuildFixture fixture;
  const std::filesystem::path work = fixture.dir.path() / "work";
  const std::string index_directory = fixture.dir / "index/";
  std::filesystem::create_directories(work);
  std::filesystem::create_directories(index_directory);

  auto seconds_since = [](std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (const std::string& path : fixture.sources) ParseAll(path);  // warm the page cache
  const auto parse_start = std::chrono::steady_clock::now();
  for (const std::string& path : fixture.sources) benchmark::DoNotOptimize(ParseAll(path));
  const double parse_seconds = seconds_since(parse_start);

  CStringTreeIndex index;
  double total = 0;
  for (auto _ : state) {
    std::vector<std::string> partials;
    for (const std::string& source : fixture.sources) {
      const std::filesystem::path link = work / std::filesystem::path(source).filename();
      std::filesystem::create_hard_link(source, link);
      partials.push_back(link.string());
    }
    const auto start = std::chrono::steady_clock::now();
    ConsolidateIndexes(index, partials, index_directory, "");
    const double seconds = seconds_since(start);
    state.SetIterationTime(seconds);
    total += seconds;
  }
  state.counters["plain_parse_s"] = parse_seconds;
  state.counters["vs_parse"] = total / static_cast<double>(state.iterations()) / parse_seconds;
  state.SetBytesProcessed(state.iterations() * fixture.bytes);
}
BENCHMARK(Consolidate200)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace store

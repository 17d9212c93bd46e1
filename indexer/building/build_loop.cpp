#include "building/build_loop.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "building/base_name.h"
#include "building/source_file_registry.h"
#include "platform/memory.h"
#include "platform/progress_window.h"
#include "platform/shift_jis.h"
#include "shell/busy_flag.h"

namespace building {
namespace {

// Lists every pattern in order; each name upper-cased after `directory`. Empty when a listing
// cannot be made.
std::optional<std::vector<std::string>> ListSourcePaths(shell::CommandContext& context,
                                                        const std::vector<std::string>& patterns,
                                                        std::string_view directory) {
  std::vector<std::string> paths;
  for (const std::string& pattern : patterns) {
    std::optional<std::vector<std::string>> names = context.ListFiles(pattern);
    if (!names) return std::nullopt;
    for (const std::string& name : *names) {
      paths.push_back(std::string(directory) + platform::UpperCased(name));
    }
  }
  return paths;
}

}  // namespace

std::string PartialIndexFileName(int file_id) {
  char name[32];
  std::snprintf(name, sizeof name, "IDX_TEST.%03d", file_id);
  return name;
}

bool RunBuild(shell::CommandContext& context, std::string_view dictionary_directory,
              std::string_view index_directory, const std::vector<BuildPhase>& phases) {
  namespace progress = platform::progress_window;
  if (!context.IsCommandEnabled()) return false;
  shell::ScopedBusyFlag busy(context.busy_flag());
  shell::CIndexerDoc& document = context.document();
  // A build that ends early keeps no words of a half-done file in memory.
  struct EmptyIndexOnExit {
    store::CStringTreeIndex& index;
    ~EmptyIndexOnExit() { index.Reset(); }
  } empty_index_on_exit{document.index()};
  SourceFileRegistry registry(context.profiles(), index_directory);

  int file_id = 0;
  std::int32_t longest_path = 0;
  std::int32_t longest_name = 0;
  shell::ScopedProgressWindow progress_window(context.ui());
  auto fail_listing = [&] {
    progress_window.Destroy();
    context.ReportListingFailure();
    return false;
  };

  for (const BuildPhase& phase : phases) {
    std::optional<std::vector<std::string>> sources =
        ListSourcePaths(context, phase.patterns, dictionary_directory);
    if (!sources) return fail_listing();
    progress_window.Create();  // once the first phase is listed
    for (std::string& path : *sources) {
      if (file_id >= kMaxSourceFiles) break;
      platform::UpperCaseInPlace(path);
      longest_path = std::max(longest_path, static_cast<std::int32_t>(path.size()));
      longest_name = std::max(longest_name, static_cast<std::int32_t>(BaseNameOf(path).size()));
      const std::string partial_path =
          platform::UpperCased(std::string(index_directory) + PartialIndexFileName(file_id));
      progress_window.SetText(progress::kSourceFile, path);
      progress_window.SetText(progress::kIndexFile, partial_path);

      const auto id = static_cast<std::int16_t>(file_id);
      (document.*phase.scan)(path, id);
      if (!document.index().IsEmpty()) document.SaveIndexFile(partial_path);
      registry.Register(id, path);
      ++file_id;
      document.index().Reset();
    }
  }
  progress_window.Create();  // for a build of no phase

  registry.RecordLengths(longest_path, longest_name);

  progress_window.SetText(progress::kSourceFile, progress::FinishedText());
  progress_window.SetText(progress::kIndexFile, progress::FinishedText());
  progress_window.SetText(progress::kStage, progress::ConsolidationStageText());
  std::optional<std::vector<std::string>> partial_names =
      context.ListFiles(std::string(index_directory) + "IDX_TEST.*");
  if (!partial_names) return fail_listing();
  std::vector<std::string> partial_paths;
  for (const std::string& name : *partial_names) {
    partial_paths.push_back(std::string(index_directory) + platform::UpperCased(name));
  }
  platform::ReturnFreeMemoryToSystem();
  document.ConsolidateIndexes(partial_paths);

  progress_window.Destroy();
  context.ui().Beep();
  context.ui().ShowMessage("Finished!");
  return true;
}

}  // namespace building

#ifndef INDEXER_BUILDING_BUILD_LOOP_H_
#define INDEXER_BUILDING_BUILD_LOOP_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/command_context.h"
#include "shell/document.h"

namespace building {

// At most this many source files per build, over all its phases; file IDs run from 0 to 199.
inline constexpr int kMaxSourceFiles = 200;

// One phase of a build: the patterns listed (each a dictionary directory followed by a file
// name or wildcard pattern), in order, and the scanner that reads every file they list.
struct BuildPhase {
  using Scanner = void (shell::CIndexerDoc::*)(std::string_view path, std::int16_t file_id);
  std::vector<std::string> patterns;
  Scanner scan;
};

// The build that every build command runs once its dialog values are confirmed (and saved to
// the profile, which names the index directory in "Current"/"IndexDir"):
//   1. with the view busy, list the first phase's patterns; each name, upper-cased and put
//      after `dictionary_directory`, is one source path (a name listed twice is scanned twice);
//   2. show the progress window; for each source path in order, under the next file ID (one
//      counter through all phases): upper-case it, keep the longest path and name lengths,
//      show it (control 107) with its partial index file `index_directory` + "IDX_TEST.%03d"
//      upper-cased (control 108), scan it, write the partial file when the file yielded words,
//      register the path under the file ID (building/source_file_registry.h) and empty the
//      index; stop at the 200th file;
//   3. the same for the next phase, listed when it begins;
//   4. record the longest lengths; show "作業終了" in 107 and 108 and the consolidation stage
//      in 123; list `index_directory` + "IDX_TEST.*" (so partial files of earlier runs are
//      taken too), hand free memory back to the system and consolidate that list;
//   5. close the progress window, beep and show "Finished!".
// A listing that cannot be made ends the build with "失敗しました(/_;)". A file error ends it
// by propagating to the caller, with the partial files and profile entries written so far left
// in place. On every way out the progress window is gone and the view is no longer busy. A
// build asked for while a command runs does nothing. True when the build ran to its end
// ("Finished!" shown); false when it did not run or its listing failed.
bool RunBuild(shell::CommandContext& context, std::string_view dictionary_directory,
              std::string_view index_directory, const std::vector<BuildPhase>& phases);

// "IDX_TEST.%03d" for a file ID.
std::string PartialIndexFileName(int file_id);

}  // namespace building

#endif  // INDEXER_BUILDING_BUILD_LOOP_H_

#ifndef INDEXER_BUILDING_SINGLE_PHASE_BUILD_H_
#define INDEXER_BUILDING_SINGLE_PHASE_BUILD_H_

#include "building/jap_eng_values.h"
#include "shell/command_context.h"

namespace building {

// The Japanese-English and generic builds, run with the file selection confirmed (and saved):
// one phase (build_loop.h) over the files m_dirName + m_fileName, into the index directory
// m_indexDir, scanned with ScanJapaneseEnglishFile or ScanGenericFile. The values' mode plays
// no part here; it chose the profile section. The result is RunBuild's.
bool BuildJapaneseEnglish(shell::CommandContext& context, const JapEngValues& values);
bool BuildGeneric(shell::CommandContext& context, const JapEngValues& values);

}  // namespace building

#endif  // INDEXER_BUILDING_SINGLE_PHASE_BUILD_H_

#ifndef INDEXER_BUILDING_ENGLISH_JAPANESE_BUILD_H_
#define INDEXER_BUILDING_ENGLISH_JAPANESE_BUILD_H_

#include <vector>

#include "building/build_loop.h"
#include "building/feng_dic_values.h"
#include "shell/command_context.h"

namespace building {

// The English-Japanese and bilingual build, run with the dictionary selection confirmed (and
// saved). Two phases over one run of file IDs (build_loop.h): first the English-Japanese
// dictionary files, scanned with ScanEnglishJapaneseFile, listed from m_directory followed by
// m_fileNames (always), then m_tech, m_proper, m_ryaku and m_hoi (each only when not empty);
// then the bilingual corpus files m_directory + m_biling (only when not empty), scanned with
// ScanBilingualFile. The index directory is m_indexDir. The result is RunBuild's.
bool BuildEnglishJapanese(shell::CommandContext& context, const FengDicValues& values);

// The two phases of that build, with the patterns it lists, in its order.
std::vector<BuildPhase> EnglishJapanesePhases(const FengDicValues& values);

}  // namespace building

#endif  // INDEXER_BUILDING_ENGLISH_JAPANESE_BUILD_H_

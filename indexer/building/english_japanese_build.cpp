#include "building/english_japanese_build.h"

namespace building {

std::vector<BuildPhase> EnglishJapanesePhases(const FengDicValues& values) {
  BuildPhase dictionaries{{values.m_directory + values.m_fileNames},
                          &shell::CIndexerDoc::ScanEnglishJapaneseFile};
  for (const std::string* names : {&values.m_tech, &values.m_proper, &values.m_ryaku,
                                   &values.m_hoi}) {
    if (!names->empty()) dictionaries.patterns.push_back(values.m_directory + *names);
  }
  BuildPhase bilingual{{}, &shell::CIndexerDoc::ScanBilingualFile};
  if (!values.m_biling.empty()) bilingual.patterns.push_back(values.m_directory + values.m_biling);
  return {dictionaries, bilingual};
}

bool BuildEnglishJapanese(shell::CommandContext& context, const FengDicValues& values) {
  return RunBuild(context, values.m_directory, values.m_indexDir, EnglishJapanesePhases(values));
}

}  // namespace building

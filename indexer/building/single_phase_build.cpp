#include "building/single_phase_build.h"

#include "building/build_loop.h"

namespace building {
namespace {

void BuildOnePhase(shell::CommandContext& context, const JapEngValues& values,
                   BuildPhase::Scanner scan) {
  RunBuild(context, values.m_dirName, values.m_indexDir,
           {BuildPhase{{values.m_dirName + values.m_fileName}, scan}});
}

}  // namespace

void BuildJapaneseEnglish(shell::CommandContext& context, const JapEngValues& values) {
  BuildOnePhase(context, values, &shell::CIndexerDoc::ScanJapaneseEnglishFile);
}

void BuildGeneric(shell::CommandContext& context, const JapEngValues& values) {
  BuildOnePhase(context, values, &shell::CIndexerDoc::ScanGenericFile);
}

}  // namespace building

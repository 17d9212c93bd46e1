#include "building/single_phase_build.h"

#include "building/build_loop.h"

namespace building {
namespace {

bool BuildOnePhase(shell::CommandContext& context, const JapEngValues& values,
                   BuildPhase::Scanner scan) {
  return RunBuild(context, values.m_dirName, values.m_indexDir,
           {BuildPhase{{values.m_dirName + values.m_fileName}, scan}});
}

}  // namespace

bool BuildJapaneseEnglish(shell::CommandContext& context, const JapEngValues& values) {
  return BuildOnePhase(context, values, &shell::CIndexerDoc::ScanJapaneseEnglishFile);
}

bool BuildGeneric(shell::CommandContext& context, const JapEngValues& values) {
  return BuildOnePhase(context, values, &shell::CIndexerDoc::ScanGenericFile);
}

}  // namespace building

#include "cli/build_commands.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "building/build_loop.h"
#include "building/english_japanese_build.h"
#include "building/feng_dic_values.h"
#include "building/jap_eng_values.h"
#include "building/single_phase_build.h"
#include "cli/argument_text.h"
#include "platform/profile.h"

namespace cli {
namespace {

// One box of a build dialog, and the option that types into it.
struct Box {
  std::string_view option;
  std::string* member;
  bool is_directory;
};

void PrintUsageError(const ArgumentError& error) {
  std::fprintf(stderr, "indexer-cli: %s\n", error.message.c_str());
}

// Types the options given into their boxes. False, with the reason on stderr, when a value is
// refused.
bool TypeIntoBoxes(const Session& session, const CommandLine& line, const std::vector<Box>& boxes) {
  for (const Box& box : boxes) {
    auto given = line.values.find(box.option);
    if (given == line.values.end()) continue;
    std::variant<std::string, ArgumentError> value =
        box.is_directory
            ? DirectoryArgument(given->second, session.host_current_directory())
            : Cp932Argument(given->second, "pattern", platform::Profile::kMaxValueLength);
    if (const auto* error = std::get_if<ArgumentError>(&value)) {
      PrintUsageError(*error);
      return false;
    }
    *box.member = std::get<std::string>(std::move(value));
  }
  return true;
}

// How many files the build is about to scan, for its progress line: what the patterns list,
// at most the build's limit. Listing the folder once more costs little beside a build.
int CountSourceFiles(Session& session, const std::vector<std::string>& patterns) {
  std::size_t count = 0;
  for (const std::string& pattern : patterns) {
    if (auto names = session.context.ListFiles(pattern)) count += names->size();
  }
  return static_cast<int>(std::min<std::size_t>(count, building::kMaxSourceFiles));
}

ExitStatus BuildEnglishJapanese(Session& session, const CommandLine& line) {
  platform::Profile& profile = session.context.application_profile();
  building::FengDicValues values = building::FengDicValues::Load(profile);
  const std::vector<Box> boxes = {
      {"dir", &values.m_directory, true},    {"general", &values.m_fileNames, false},
      {"tech", &values.m_tech, false},       {"proper", &values.m_proper, false},
      {"abbrev", &values.m_ryaku, false},    {"supplement", &values.m_hoi, false},
      {"bilingual", &values.m_biling, false}, {"index-dir", &values.m_indexDir, true},
  };
  if (!TypeIntoBoxes(session, line, boxes)) return ExitStatus::kUsage;
  values.Save(profile);

  if (session.shows_progress()) {
    std::vector<std::string> patterns;
    for (const building::BuildPhase& phase : building::EnglishJapanesePhases(values)) {
      patterns.insert(patterns.end(), phase.patterns.begin(), phase.patterns.end());
    }
    session.ui.ExpectSourceFiles(CountSourceFiles(session, patterns));
  }
  return building::BuildEnglishJapanese(session.context, values) ? ExitStatus::kSuccess
                                                                  : ExitStatus::kFailed;
}

ExitStatus BuildWithFileSelection(Session& session, const CommandLine& line, int mode) {
  platform::Profile& profile = session.context.application_profile();
  building::JapEngValues values = building::JapEngValues::Load(profile, mode);
  const std::vector<Box> boxes = {
      {"dir", &values.m_dirName, true},
      {"files", &values.m_fileName, false},
      {"index-dir", &values.m_indexDir, true},
  };
  if (!TypeIntoBoxes(session, line, boxes)) return ExitStatus::kUsage;
  if (std::optional<std::string> message = values.ValidationMessage()) {
    session.ui.ShowMessage(*message);
    return ExitStatus::kUsage;
  }
  values.Save(profile);

  if (session.shows_progress()) {
    session.ui.ExpectSourceFiles(CountSourceFiles(session, {values.m_dirName + values.m_fileName}));
  }
  const bool finished = mode == 1 ? building::BuildGeneric(session.context, values)
                                  : building::BuildJapaneseEnglish(session.context, values);
  return finished ? ExitStatus::kSuccess : ExitStatus::kFailed;
}

}  // namespace

ExitStatus RunBuildCommand(Session& session, const CommandLine& line) {
  switch (line.command) {
    case Command::kBuildEnglishJapanese:
      return BuildEnglishJapanese(session, line);
    case Command::kBuildJapaneseEnglish:
      return BuildWithFileSelection(session, line, 0);
    case Command::kBuildGeneric:
      return BuildWithFileSelection(session, line, 1);
    default:
      return ExitStatus::kUsage;
  }
}

}  // namespace cli

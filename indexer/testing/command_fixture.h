#ifndef INDEXER_TESTING_COMMAND_FIXTURE_H_
#define INDEXER_TESTING_COMMAND_FIXTURE_H_

// What the end-to-end tests of the commands run against: a temporary folder with its own
// application profile (recorded), the recording user interface (also the message pump), a
// document and the commands' context. For tests only.

#include <filesystem>
#include <string>
#include <string_view>

#include "building/english_japanese_build.h"
#include "building/feng_dic_values.h"
#include "platform/current_directory.h"
#include "platform/host_path.h"
#include "platform/message_pump.h"
#include "platform/profiles.h"
#include "platform/recording_profiles.h"
#include "platform/recording_user_interface.h"
#include "shell/command_context.h"
#include "shell/document.h"
#include "testing/scoped_current_directory.h"
#include "testing/sjis.h"
#include "testing/temp_directory.h"

namespace testing_support {

class CommandFixture {
 public:
  CommandFixture()
      : disk_profiles_(temp / "INDEXER.INI"),
        profiles(disk_profiles_),
        document(profiles.Application(), ui),
        context(document, profiles, ui),
        pump_(&ui) {}

  // Creates the folder `relative` (host form, inside the temporary folder) and returns its
  // program path with a trailing backslash, as directory values are kept.
  std::string Folder(std::string_view relative) {
    std::filesystem::create_directories(temp.path() / relative);
    return platform::ProgramPathOfHost((temp.path() / relative).string()) + "\\";
  }
  // Writes a file inside the temporary folder.
  void WriteFile(std::string_view relative, std::string_view bytes) {
    std::filesystem::create_directories((temp.path() / relative).parent_path());
    WriteBytes(temp / relative, bytes);
  }
  std::string ReadFile(std::string_view relative) { return ReadBytes(temp / relative); }
  bool Exists(std::string_view relative) { return std::filesystem::exists(temp / relative); }
  platform::Profile& app() { return profiles.Application(); }
  // Confirms the English-Japanese build's dialog with the general files `general` in the
  // dictionary directory `dic` and the index directory `idx` (program paths), and runs the build.
  bool BuildGeneralFiles(const std::string& dic, const std::string& idx, std::string general) {
    building::FengDicValues values;
    values.m_directory = dic;
    values.m_indexDir = idx;
    values.m_fileNames = std::move(general);
    values.Save(app());
    return building::BuildEnglishJapanese(context, values);
  }

  TempDirectory temp;

 private:
  platform::DiskProfiles disk_profiles_;

 public:
  platform::RecordingProfiles profiles;
  platform::RecordingUserInterface ui;
  shell::CIndexerDoc document;
  shell::CommandContext context;

 private:
  platform::ScopedMessagePump pump_;
};

}  // namespace testing_support

#endif  // INDEXER_TESTING_COMMAND_FIXTURE_H_

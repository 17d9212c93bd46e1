#ifndef INDEXER_CLI_CLI_USER_INTERFACE_H_
#define INDEXER_CLI_CLI_USER_INTERFACE_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/console_user_interface.h"
#include "platform/user_interface.h"

namespace cli {

// The user interface of indexer-cli: the console one (platform/console_user_interface.h: one
// line on stderr per message box, in UTF-8; a progress line only on a terminal and when not
// quiet), with what the front end needs on top:
//   - it remembers whether a message box with the warning icon was shown, so that the search
//     fails when it told the user that an index file is of another version;
//   - the progress line of a build counts the source files: "file 3 of 7: C:\DIC\FENG5A.TXT",
//     given the number of files the build is about to scan (ExpectSourceFiles);
//   - errors that end a command (file errors and the like) are one line "error: TEXT".
class CliUserInterface final : public platform::UserInterface {
 public:
  explicit CliUserInterface(platform::ConsoleUserInterface::Options options);

  void ShowMessage(std::string_view text,
                   platform::MessageIcon icon = platform::MessageIcon::kNone) override;
  void Beep() override { console_.Beep(); }
  void CreateProgressWindow() override;
  void SetProgressText(int control_id, std::string_view text) override;
  void DestroyProgressWindow() override { console_.DestroyProgressWindow(); }
  platform::DialogResult RunModal(platform::Dialog& dialog) override {
    return console_.RunModal(dialog);
  }
  void Step() override { console_.Step(); }

  // The number of source files the next build scans, for its progress line.
  void ExpectSourceFiles(int count) { expected_files_ = count; }

  // Whether a message box with the warning icon has been shown.
  bool WarningShown() const { return warning_shown_; }

  // "error: " and `text` (code page 932) on one line.
  void ReportError(std::string_view text);

 private:
  platform::ConsoleUserInterface console_;
  bool warning_shown_ = false;
  int expected_files_ = 0;
  int files_shown_ = 0;
};

}  // namespace cli

#endif  // INDEXER_CLI_CLI_USER_INTERFACE_H_

#include "cli/cli_user_interface.h"

#include <algorithm>

#include "platform/progress_window.h"

namespace cli {

CliUserInterface::CliUserInterface(platform::ConsoleUserInterface::Options options)
    : console_(options) {}

void CliUserInterface::ShowMessage(std::string_view text, platform::MessageIcon icon) {
  if (icon == platform::MessageIcon::kWarning) warning_shown_ = true;
  console_.ShowMessage(text, icon);
}

void CliUserInterface::CreateProgressWindow() {
  files_shown_ = 0;
  console_.CreateProgressWindow();
}

void CliUserInterface::SetProgressText(int control_id, std::string_view text) {
  // The build names each source file in control 107, then "作業終了" there when it
  // consolidates (the console then shows the stage text of control 123).
  if (control_id != platform::progress_window::kSourceFile || expected_files_ <= 0 ||
      text == platform::progress_window::FinishedText()) {
    console_.SetProgressText(control_id, text);
    return;
  }
  ++files_shown_;
  std::string line = "file " + std::to_string(files_shown_) + " of " +
                     std::to_string(std::max(expected_files_, files_shown_)) + ": ";
  line += text;
  console_.SetProgressText(control_id, line);
}

void CliUserInterface::ReportError(std::string_view text) {
  DestroyProgressWindow();
  std::string line = "error: ";
  line += text;
  console_.ShowMessage(line);
}

}  // namespace cli

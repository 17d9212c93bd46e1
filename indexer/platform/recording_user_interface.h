#ifndef INDEXER_PLATFORM_RECORDING_USER_INTERFACE_H_
#define INDEXER_PLATFORM_RECORDING_USER_INTERFACE_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_script.h"
#include "platform/user_interface.h"

namespace platform {

// For tests: a user interface without windows that records what the program shows, and runs
// modal dialogs from scripts (dialog_script.h).
//
// events() lists, in order, one line per thing shown (texts in code page 932, as given):
//   "beep"
//   "message: <text>"          (a warning icon: "warning: <text>")
//   "progress created"
//   "progress 107: <text>"
//   "progress destroyed"
//   "dialog 103: ok"            (the template id and how it ended, once it has ended)
// Message-pump steps are only counted.
class RecordingUserInterface final : public UserInterface {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
  };

  void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::kNone) override;
  void Beep() override;
  void CreateProgressWindow() override;
  void SetProgressText(int control_id, std::string_view text) override;
  void DestroyProgressWindow() override;
  DialogResult RunModal(Dialog& dialog) override;
  void Step() override { ++pump_steps_; }

  // Plays `script` as the user of the next modal dialog to open.
  void AddDialogScript(DialogScript script) { scripts_.Add(std::move(script)); }
  std::size_t pending_dialog_scripts() const { return scripts_.pending(); }

  const std::vector<std::string>& events() const { return events_; }
  const std::vector<Message>& messages() const { return messages_; }
  int beeps() const { return beeps_; }
  long long pump_steps() const { return pump_steps_; }
  // Template ids of the modal dialogs run, in the order they opened.
  const std::vector<int>& dialogs() const { return dialogs_; }

  bool progress_window_exists() const { return progress_exists_; }
  // What a control of the progress window shows now, or showed last before it was destroyed.
  std::string ProgressText(int control_id) const;

 private:
  DialogScripts scripts_;
  std::vector<std::string> events_;
  std::vector<Message> messages_;
  int beeps_ = 0;
  long long pump_steps_ = 0;
  std::vector<int> dialogs_;
  bool progress_exists_ = false;
  std::map<int, std::string> progress_texts_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_RECORDING_USER_INTERFACE_H_

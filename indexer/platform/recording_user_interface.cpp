#include "platform/recording_user_interface.h"

#include "platform/dialog.h"
#include "platform/progress_window.h"

namespace platform {

void RecordingUserInterface::ShowMessage(std::string_view text, MessageIcon icon) {
  messages_.push_back({std::string(text), icon});
  events_.push_back((icon == MessageIcon::kWarning ? "warning: " : "message: ") +
                    std::string(text));
}

void RecordingUserInterface::Beep() {
  ++beeps_;
  events_.push_back("beep");
}

void RecordingUserInterface::CreateProgressWindow() {
  if (progress_exists_) return;
  progress_exists_ = true;
  progress_texts_.clear();
  for (int control : {progress_window::kSourceFile, progress_window::kIndexFile,
                      progress_window::kStage}) {
    progress_texts_[control] = progress_window::InitialText(control);
  }
  events_.push_back("progress created");
}

void RecordingUserInterface::SetProgressText(int control_id, std::string_view text) {
  progress_texts_[control_id] = std::string(text);
  events_.push_back("progress " + std::to_string(control_id) + ": " + std::string(text));
}

void RecordingUserInterface::DestroyProgressWindow() {
  if (!progress_exists_) return;
  progress_exists_ = false;
  events_.push_back("progress destroyed");
}

std::string RecordingUserInterface::ProgressText(int control_id) const {
  auto found = progress_texts_.find(control_id);
  return found == progress_texts_.end() ? std::string() : found->second;
}

DialogResult RecordingUserInterface::RunModal(Dialog& dialog) {
  dialogs_.push_back(dialog.template_id());
  DialogResult result = scripts_.Run(dialog, *this);
  events_.push_back("dialog " + std::to_string(dialog.template_id()) + ": " +
                    (result == DialogResult::kOk ? "ok" : "cancel"));
  return result;
}

}  // namespace platform

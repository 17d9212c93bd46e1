#include "platform/dialog_script.h"

#include <stdexcept>
#include <string>

namespace platform {

void DialogDriver::RequireOpen() const {
  if (!dialog_.is_open()) {
    throw std::logic_error("dialog " + std::to_string(dialog_.template_id()) +
                           " has already ended");
  }
}

void DialogDriver::Type(int control_id, std::string_view text) {
  RequireOpen();
  controls().SetText(control_id, text);
}

void DialogDriver::Click(int control_id) {
  RequireOpen();
  dialog_.Command(control_id, ControlEvent::kClicked);
}

void DialogDriver::SetCheck(int control_id, int state) {
  RequireOpen();
  controls().SetCheck(control_id, state);
  dialog_.Command(control_id, ControlEvent::kClicked);
}

void DialogDriver::Select(int control_id, int index) {
  RequireOpen();
  controls().SetSelection(control_id, index);
  dialog_.Command(control_id, ControlEvent::kSelectionChanged);
}

void DialogDriver::DoubleClick(int control_id, int index) {
  RequireOpen();
  controls().SetSelection(control_id, index);
  dialog_.Command(control_id, ControlEvent::kDoubleClicked);
}

void DialogDriver::Close() {
  RequireOpen();
  dialog_.Close();
}

DialogResult DialogScripts::Run(Dialog& dialog, UserInterface& ui) {
  DialogScript script;
  if (!scripts_.empty()) {
    script = std::move(scripts_.front());
    scripts_.pop_front();
  }
  struct FinishOnExit {
    Dialog& dialog;
    ~FinishOnExit() { dialog.Finish(); }
  } finish{dialog};
  dialog.Open(ui);
  if (dialog.is_open() && script) {
    DialogDriver driver(dialog);
    script(driver);
  }
  if (dialog.is_open()) dialog.Close();
  DialogResult result = dialog.is_open() ? DialogResult::kCancel : dialog.result();
  return result;
}

}  // namespace platform

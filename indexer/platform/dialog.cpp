#include "platform/dialog.h"

#include "platform/shift_jis.h"

namespace platform {

void DataExchange::Text(int control_id, std::string& member) {
  if (to_members_) {
    member = controls_.Text(control_id);
  } else {
    controls_.SetText(control_id, member);
  }
}

void DataExchange::Check(int control_id, int& member) {
  if (to_members_) {
    member = controls_.Check(control_id);
  } else {
    controls_.SetCheck(control_id, member);
  }
}

void DataExchange::SelectedItem(int control_id, std::string& member) {
  if (to_members_) {
    member = controls_.SelectedItem(control_id);
    return;
  }
  int selection = DialogControls::kNoSelection;
  if (!member.empty()) {
    const std::vector<std::string>& items = controls_.Items(control_id);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].size() >= member.size() &&
          EqualIgnoringCase(std::string_view(items[i]).substr(0, member.size()), member)) {
        selection = static_cast<int>(i);
        break;
      }
    }
  }
  controls_.SetSelection(control_id, selection);
}

Dialog::~Dialog() {
  if (observing_) controls_.RemoveObserver(this);
}

DialogResult Dialog::DoModal(UserInterface& ui) { return ui.RunModal(*this); }

void Dialog::Open(UserInterface& ui) {
  ui_ = &ui;
  ended_ = false;
  result_ = DialogResult::kCancel;
  if (!observing_) {
    controls_.AddObserver(this);
    observing_ = true;
  }
  OnInitDialog();
}

void Dialog::Command(int control_id, ControlEvent event) {
  if (!is_open()) return;
  if (event == ControlEvent::kClicked && control_id == kOkButton) {
    OnOK();
  } else if (event == ControlEvent::kClicked && control_id == kCancelButton) {
    OnCancel();
  } else {
    OnControlEvent(control_id, event);
  }
}

void Dialog::Close() {
  if (is_open()) OnCancel();
}

void Dialog::Finish() {
  if (is_open()) EndDialog(DialogResult::kCancel);
  if (observing_) {
    controls_.RemoveObserver(this);
    observing_ = false;
  }
  ui_ = nullptr;
}

void Dialog::OnInitDialog() { UpdateData(false); }

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(DialogResult::kOk);
}

void Dialog::OnCancel() { EndDialog(DialogResult::kCancel); }

void Dialog::OnControlEvent(int, ControlEvent) {}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::UpdateData(bool to_members) {
  DataExchange exchange(controls_, to_members);
  DoDataExchange(exchange);
}

void Dialog::EndDialog(DialogResult result) {
  ended_ = true;
  result_ = result;
}

void Dialog::ShowMessage(std::string_view text, MessageIcon icon) { ui_->ShowMessage(text, icon); }

void Dialog::Beep() { ui_->Beep(); }

void Dialog::OnTextChanged(int control_id) {
  if (is_open()) Command(control_id, ControlEvent::kTextChanged);
}

}  // namespace platform

#include "platform/dialog_controls.h"

#include <algorithm>

#include "platform/shift_jis.h"

namespace platform {
namespace {

const std::string kEmpty;
const std::vector<std::string> kNoItems;

}  // namespace

const DialogControls::Control* DialogControls::Find(int control_id) const {
  auto found = controls_.find(control_id);
  return found == controls_.end() ? nullptr : &found->second;
}

template <typename Call>
void DialogControls::Notify(Call call) {
  // Walks a copy, skipping observers removed meanwhile: an observer may add or remove observers.
  std::vector<Observer*> observers = observers_;
  for (Observer* observer : observers) {
    if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) {
      call(*observer);
    }
  }
}

void DialogControls::NotifyChanged(int control_id) {
  Notify([control_id](Observer& observer) { observer.OnControlChanged(control_id); });
}

const std::string& DialogControls::Text(int control_id) const {
  const Control* control = Find(control_id);
  return control == nullptr ? kEmpty : control->text;
}

void DialogControls::SetText(int control_id, std::string_view text) {
  Control& control = controls_[control_id];
  if (control.text == text) return;
  control.text = std::string(text);
  NotifyChanged(control_id);
  Notify([control_id](Observer& observer) { observer.OnTextChanged(control_id); });
}

int DialogControls::Check(int control_id) const {
  const Control* control = Find(control_id);
  return control == nullptr ? 0 : control->check;
}

void DialogControls::SetCheck(int control_id, int state) {
  Control& control = controls_[control_id];
  if (control.check == state) return;
  control.check = state;
  NotifyChanged(control_id);
}

void DialogControls::SetSorted(int control_id, bool sorted) {
  controls_[control_id].sorted = sorted;
}

const std::vector<std::string>& DialogControls::Items(int control_id) const {
  const Control* control = Find(control_id);
  return control == nullptr ? kNoItems : control->items;
}

int DialogControls::AddItem(int control_id, std::string item) {
  Control& control = controls_[control_id];
  auto at = control.items.end();
  if (control.sorted) {
    std::string key = UpperCased(item);
    at = std::upper_bound(control.items.begin(), control.items.end(), key,
                          [](const std::string& k, const std::string& existing) {
                            return k < UpperCased(existing);
                          });
  }
  int index = static_cast<int>(at - control.items.begin());
  control.items.insert(at, std::move(item));
  control.selection = kNoSelection;
  NotifyChanged(control_id);
  return index;
}

void DialogControls::ClearItems(int control_id) {
  Control& control = controls_[control_id];
  control.items.clear();
  control.selection = kNoSelection;
  NotifyChanged(control_id);
}

int DialogControls::Selection(int control_id) const {
  const Control* control = Find(control_id);
  return control == nullptr ? kNoSelection : control->selection;
}

void DialogControls::SetSelection(int control_id, int index) {
  Control& control = controls_[control_id];
  if (index < 0 || index >= static_cast<int>(control.items.size())) index = kNoSelection;
  control.selection = index;
  NotifyChanged(control_id);
}

std::string DialogControls::SelectedItem(int control_id) const {
  const Control* control = Find(control_id);
  if (control == nullptr || control->selection == kNoSelection) return std::string();
  return control->items[static_cast<std::size_t>(control->selection)];
}

void DialogControls::SetFocus(int control_id) {
  focus_ = control_id;
  Notify([control_id](Observer& observer) { observer.OnFocusChanged(control_id); });
}

void DialogControls::AddObserver(Observer* observer) { observers_.push_back(observer); }

void DialogControls::RemoveObserver(Observer* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer),
                   observers_.end());
}

}  // namespace platform

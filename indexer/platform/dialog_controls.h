#ifndef INDEXER_PLATFORM_DIALOG_CONTROLS_H_
#define INDEXER_PLATFORM_DIALOG_CONTROLS_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What a dialog's controls hold, by control id, apart from any window: the text of an edit
// box, a label or a button; the state of a check box (0 unchecked, 1 checked); the items of a
// list box and its selection; and which control has the input focus. A dialog class exchanges
// its members with this model (dialog.h); a user interface shows it and puts the user's input
// into it; a test reads and changes it directly.
//
// Every id exists on demand, empty. Texts and items are code page 932 bytes.
//
// Observers hear of every change, so that a window can follow what the dialog's logic does and
// the dialog hears of text changes as an edit box reports them. An observer may change the
// controls from inside a notification.
class DialogControls {
 public:
  class Observer {
   public:
    virtual ~Observer() = default;
    // The text, check state, items or selection of `control_id` changed.
    virtual void OnControlChanged(int control_id) = 0;
    // The text of `control_id` changed (after OnControlChanged).
    virtual void OnTextChanged(int /*control_id*/) {}
    virtual void OnFocusChanged(int /*control_id*/) {}
  };

  static constexpr int kNoSelection = -1;
  static constexpr int kNoFocus = 0;

  DialogControls() = default;
  DialogControls(const DialogControls&) = delete;
  DialogControls& operator=(const DialogControls&) = delete;

  const std::string& Text(int control_id) const;
  // Notifies observers only when the text actually changes.
  void SetText(int control_id, std::string_view text);

  int Check(int control_id) const;
  void SetCheck(int control_id, int state);

  // List boxes. A sorted list box keeps its items ascending by their upper-cased bytes (ASCII
  // letter case ignored), ties in the order added; an unsorted one in the order added.
  void SetSorted(int control_id, bool sorted);
  const std::vector<std::string>& Items(int control_id) const;
  // Adds an item and returns its index. Clears the selection.
  int AddItem(int control_id, std::string item);
  void ClearItems(int control_id);
  int Selection(int control_id) const;
  // Selects an item; kNoSelection, or an index out of range, selects none.
  void SetSelection(int control_id, int index);
  // The selected item's text; empty when none is selected.
  std::string SelectedItem(int control_id) const;

  int focus() const { return focus_; }
  void SetFocus(int control_id);

  void AddObserver(Observer* observer);
  void RemoveObserver(Observer* observer);

 private:
  struct Control {
    std::string text;
    int check = 0;
    bool sorted = false;
    std::vector<std::string> items;
    int selection = kNoSelection;
  };

  const Control* Find(int control_id) const;
  template <typename Call>
  void Notify(Call call);
  void NotifyChanged(int control_id);

  std::map<int, Control> controls_;
  int focus_ = kNoFocus;
  std::vector<Observer*> observers_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_DIALOG_CONTROLS_H_

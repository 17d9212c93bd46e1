#ifndef INDEXER_PLATFORM_DIALOG_SCRIPT_H_
#define INDEXER_PLATFORM_DIALOG_SCRIPT_H_

#include <deque>
#include <functional>
#include <string_view>

#include "platform/dialog.h"

namespace platform {

// A user at an open dialog, played by a script: each action changes the controls as the user
// would and delivers the event to the dialog's logic. A test, or a front end that has no
// windows, drives a dialog with it:
//
//   ui.AddDialogScript([](platform::DialogDriver& user) {
//     user.Type(104, "apple");
//     user.Click(platform::kOkButton);
//   });
//
// Actions on a dialog that has already ended throw std::logic_error: the script expected the
// dialog to stay open.
class DialogDriver {
 public:
  explicit DialogDriver(Dialog& dialog) : dialog_(dialog) {}

  Dialog& dialog() { return dialog_; }
  DialogControls& controls() { return dialog_.controls(); }
  bool is_open() const { return dialog_.is_open(); }

  // Replaces the text of an edit box; the dialog hears of the change.
  void Type(int control_id, std::string_view text);
  // Presses a button (kOkButton, kCancelButton or any other).
  void Click(int control_id);
  // Sets a check box and clicks it.
  void SetCheck(int control_id, int state);
  // Selects a list box item.
  void Select(int control_id, int index);
  // Selects a list box item and double-clicks it.
  void DoubleClick(int control_id, int index);
  // Closes the window with its close box.
  void Close();

 private:
  void RequireOpen() const;
  Dialog& dialog_;
};

using DialogScript = std::function<void(DialogDriver&)>;

// The scripts for the modal dialogs to come, in the order the dialogs open (a dialog opened
// from a dialog's handler takes the next script). Run() opens the dialog, plays its script, and
// closes it with the close box when the script leaves it open. A dialog with no script left is
// opened and closed the same way, so it ends as its OnCancel decides.
class DialogScripts {
 public:
  void Add(DialogScript script) { scripts_.push_back(std::move(script)); }
  std::size_t pending() const { return scripts_.size(); }
  DialogResult Run(Dialog& dialog, UserInterface& ui);

 private:
  std::deque<DialogScript> scripts_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_DIALOG_SCRIPT_H_

#ifndef INDEXER_PLATFORM_DIALOG_H_
#define INDEXER_PLATFORM_DIALOG_H_

#include <string>
#include <string_view>

#include "platform/dialog_controls.h"
#include "platform/user_interface.h"

namespace platform {

// What the user did to a control.
enum class ControlEvent {
  kClicked,           // a button pressed, a check box toggled
  kDoubleClicked,     // a list box item double-clicked
  kTextChanged,       // an edit box's text changed, by the user or by the dialog's own logic
  kSelectionChanged,  // a list box selection changed by the user
};

// The ids of the OK and Cancel buttons.
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;

// The exchange between a dialog's members and its controls, in one direction: towards the
// members (the user's input is taken) or towards the controls (the members are shown).
class DataExchange {
 public:
  DataExchange(DialogControls& controls, bool to_members)
      : controls_(controls), to_members_(to_members) {}

  bool to_members() const { return to_members_; }

  void Text(int control_id, std::string& member);
  // A check box: 0 unchecked, 1 checked.
  void Check(int control_id, int& member);
  // A list box's selected item as text. Towards the members: the selected item, empty when
  // none is. Towards the controls: selects the first item that begins with `member`, ASCII
  // letter case ignored; none when `member` is empty or no item does.
  void SelectedItem(int control_id, std::string& member);

 private:
  DialogControls& controls_;
  bool to_members_;
};

// A modal dialog: a template id, the model of its controls, and the logic of its class. A
// dialog class derives from Dialog, exchanges its members with the controls in
// DoDataExchange, and overrides the handlers it needs; it runs the same against any user
// interface, so its logic is tested without a window system (see dialog_script.h):
//
//   class CTestDlg : public platform::Dialog {
//     void DoDataExchange(platform::DataExchange& exchange) override {
//       exchange.Text(104, m_keyword);
//     }
//     void OnOK() override {
//       UpdateData(true);
//       if (m_keyword.empty()) { ShowMessage(...); SetFocus(104); return; }  // stays open
//       EndDialog(platform::DialogResult::kOk);
//     }
//   };
//
// A user interface runs a dialog with Open(), delivers the user's actions with Command() and
// Close(), and ends the run with Finish().
class Dialog : private DialogControls::Observer {
 public:
  explicit Dialog(int template_id) : template_id_(template_id) {}
  ~Dialog() override;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int template_id() const { return template_id_; }
  DialogControls& controls() { return controls_; }
  const DialogControls& controls() const { return controls_; }

  // Runs the dialog modally on `ui` and returns how it ended.
  DialogResult DoModal(UserInterface& ui);

  // For user interfaces.
  // Starts a run: the dialog hears of its controls' text changes, then OnInitDialog runs.
  void Open(UserInterface& ui);
  // A user action: a click on button 1 is OnOK, on button 2 OnCancel; every other action goes
  // to OnControlEvent. Ignored unless the dialog is open.
  void Command(int control_id, ControlEvent event);
  // The window's close box or the Escape key: OnCancel. Ignored unless the dialog is open.
  void Close();
  // Ends the run; a dialog still open ends with kCancel.
  void Finish();
  // Opened and not yet ended.
  bool is_open() const { return ui_ != nullptr && !ended_; }
  DialogResult result() const { return result_; }

 protected:
  // The default shows the members in the controls.
  virtual void OnInitDialog();
  // The default takes the controls into the members and ends with kOk.
  virtual void OnOK();
  // The default ends with kCancel.
  virtual void OnCancel();
  // The default does nothing.
  virtual void OnControlEvent(int control_id, ControlEvent event);
  // The default exchanges nothing.
  virtual void DoDataExchange(DataExchange& exchange);

  // Takes the controls into the members (true) or shows the members in the controls (false).
  void UpdateData(bool to_members);
  // Ends the modal run once the current handler returns.
  void EndDialog(DialogResult result);

  // The user interface of the current run; only while open.
  UserInterface& ui() { return *ui_; }
  // A message box owned by the dialog.
  void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::kNone);
  void Beep();
  void SetFocus(int control_id) { controls_.SetFocus(control_id); }

 private:
  void OnControlChanged(int) override {}
  void OnTextChanged(int control_id) override;

  int template_id_;
  DialogControls controls_;
  UserInterface* ui_ = nullptr;
  bool observing_ = false;
  bool ended_ = false;
  DialogResult result_ = DialogResult::kCancel;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_DIALOG_H_

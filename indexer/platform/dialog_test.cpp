#include "platform/dialog.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/recording_user_interface.h"

namespace platform {
namespace {

// A dialog in the style of the program's own: a keyword field checked as it is typed, a check
// box, a list, a button that opens another dialog, and an OK that refuses an empty keyword.
class KeywordDialog : public Dialog {
 public:
  static constexpr int kKeyword = 104;
  static constexpr int kTagForm = 136;
  static constexpr int kChooser = 126;

  KeywordDialog() : Dialog(103) {}

  std::string keyword;
  int tag_form = 1;
  std::string chosen;
  int keyword_checks = 0;

 protected:
  void DoDataExchange(DataExchange& exchange) override {
    exchange.Text(kKeyword, keyword);
    exchange.Check(kTagForm, tag_form);
  }
  void OnControlEvent(int control_id, ControlEvent event) override {
    if (control_id == kKeyword && event == ControlEvent::kTextChanged) {
      ++keyword_checks;
      UpdateData(true);
      if (!keyword.empty() && keyword[0] == ' ') {
        Beep();
        ShowMessage("no leading space");
        keyword.clear();
        UpdateData(false);  // changes the text, so the check runs again and passes
        SetFocus(kKeyword);
      }
    } else if (control_id == kChooser && event == ControlEvent::kClicked) {
      ChooserDialog chooser;
      if (chooser.DoModal(ui()) == DialogResult::kOk) chosen = chooser.directory;
    }
  }
  void OnOK() override {
    UpdateData(true);
    if (keyword.empty()) {
      ShowMessage("enter a keyword", MessageIcon::kWarning);
      SetFocus(kKeyword);
      return;
    }
    EndDialog(DialogResult::kOk);
  }

 private:
  class ChooserDialog : public Dialog {
   public:
    ChooserDialog() : Dialog(108) { controls().SetSorted(102, true); }
    std::string directory;

   protected:
    void OnInitDialog() override {
      for (const char* item : {"[sub]", "[..]", "[Alpha]"}) controls().AddItem(102, item);
      directory = "[s";
      UpdateData(false);
    }
    void DoDataExchange(DataExchange& exchange) override {
      exchange.SelectedItem(102, directory);
    }
    void OnControlEvent(int control_id, ControlEvent event) override {
      if (control_id == 102 && event == ControlEvent::kDoubleClicked) OnOK();
    }
  };
};

TEST(DialogTest, TypingAndPressingOk) {
  RecordingUserInterface ui;
  ui.AddDialogScript([](DialogDriver& user) {
    EXPECT_EQ(user.controls().Check(KeywordDialog::kTagForm), 1);  // shown by OnInitDialog
    user.Type(KeywordDialog::kKeyword, "apple");
    user.SetCheck(KeywordDialog::kTagForm, 0);
    user.Click(kOkButton);
  });
  KeywordDialog dialog;
  EXPECT_EQ(dialog.DoModal(ui), DialogResult::kOk);
  EXPECT_EQ(dialog.keyword, "apple");
  EXPECT_EQ(dialog.tag_form, 0);
  EXPECT_EQ(ui.events(), std::vector<std::string>{"dialog 103: ok"});
}

TEST(DialogTest, ValidationKeepsTheDialogOpen) {
  RecordingUserInterface ui;
  ui.AddDialogScript([](DialogDriver& user) {
    user.Click(kOkButton);
    EXPECT_TRUE(user.is_open());
    EXPECT_EQ(user.controls().focus(), KeywordDialog::kKeyword);
    user.Type(KeywordDialog::kKeyword, " red");
    EXPECT_EQ(user.controls().Text(KeywordDialog::kKeyword), "");
    user.Click(kCancelButton);
    EXPECT_THROW(user.Click(kOkButton), std::logic_error);  // it has ended
  });
  KeywordDialog dialog;
  EXPECT_EQ(dialog.DoModal(ui), DialogResult::kCancel);
  EXPECT_EQ(dialog.keyword_checks, 2);  // the typed text, then the emptied field
  EXPECT_EQ(ui.events(), (std::vector<std::string>{"warning: enter a keyword", "beep",
                                                   "message: no leading space",
                                                   "dialog 103: cancel"}));
}

TEST(DialogTest, DialogsOpenedFromHandlersTakeTheNextScript) {
  RecordingUserInterface ui;
  ui.AddDialogScript([](DialogDriver& user) {
    user.Click(KeywordDialog::kChooser);  // the chooser takes the next script and ends with OK
    user.Click(KeywordDialog::kChooser);  // no script left: the chooser opens and is closed
    user.Type(KeywordDialog::kKeyword, "x");
    user.Click(kOkButton);
  });
  ui.AddDialogScript([](DialogDriver& user) {
    // Sorted list, and the member's "[s" selected "[sub]" when it was shown.
    EXPECT_EQ(user.controls().Items(102), (std::vector<std::string>{"[..]", "[Alpha]", "[sub]"}));
    EXPECT_EQ(user.controls().Selection(102), 2);
    user.DoubleClick(102, 1);
  });
  KeywordDialog dialog;
  EXPECT_EQ(dialog.DoModal(ui), DialogResult::kOk);
  EXPECT_EQ(dialog.chosen, "[Alpha]");
  EXPECT_EQ(ui.dialogs(), (std::vector<int>{103, 108, 108}));
  EXPECT_EQ(ui.events(),
            (std::vector<std::string>{"dialog 108: ok", "dialog 108: cancel", "dialog 103: ok"}));
}

TEST(DialogTest, WithoutAScriptTheDialogIsClosed) {
  RecordingUserInterface ui;
  KeywordDialog dialog;
  dialog.keyword = "shown";
  EXPECT_EQ(dialog.DoModal(ui), DialogResult::kCancel);
  EXPECT_EQ(dialog.controls().Text(KeywordDialog::kKeyword), "shown");  // OnInitDialog ran
  EXPECT_FALSE(dialog.is_open());
}

TEST(DialogTest, AScriptThatThrowsStillEndsTheRun) {
  RecordingUserInterface ui;
  ui.AddDialogScript([](DialogDriver&) { throw std::runtime_error("script failed"); });
  KeywordDialog dialog;
  EXPECT_THROW(dialog.DoModal(ui), std::runtime_error);
  EXPECT_FALSE(dialog.is_open());
  dialog.controls().SetText(KeywordDialog::kKeyword, " late");  // no longer heard
  EXPECT_EQ(dialog.keyword_checks, 0);
}

}  // namespace
}  // namespace platform

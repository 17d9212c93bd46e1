#ifndef INDEXER_PLATFORM_CONSOLE_USER_INTERFACE_H_
#define INDEXER_PLATFORM_CONSOLE_USER_INTERFACE_H_

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialog_script.h"
#include "platform/user_interface.h"

namespace platform {

// The user interface of the command-line front end, on a stream (stderr by default):
//   - a message box is one line: its text, with line breaks turned into spaces, prefixed by
//     "warning: " for the warning icon;
//   - the beep makes no sound (scripts and logs have no use for BEL bytes);
//   - the progress window is one line that is rewritten in place, showing the source file
//     being scanned (control 107), or the stage text (control 123) when that changed last. It
//     is drawn only when the stream is a terminal and the interface is not quiet, cut to the
//     terminal's width, and erased when the window is destroyed or a message is shown;
//   - modal dialogs have no user: each is opened and closed, so it ends as its OnCancel
//     decides, unless a front end has given a script for it (AddDialogScript);
//   - the message-pump step does nothing.
// Texts are written in UTF-8, or as the program's own code page 932 bytes on request.
class ConsoleUserInterface final : public UserInterface {
 public:
  enum class Encoding { kUtf8, kCp932 };
  struct Options {
    std::FILE* stream = stderr;
    bool quiet = false;
    Encoding encoding = Encoding::kUtf8;
    // Whether the stream is a terminal; found out when not given.
    std::optional<bool> terminal;
    // Width of the terminal in columns; found out (else 80) when not given.
    std::optional<int> width;
  };

  ConsoleUserInterface();
  explicit ConsoleUserInterface(Options options);
  ~ConsoleUserInterface() override;

  void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::kNone) override;
  void Beep() override {}
  void CreateProgressWindow() override;
  void SetProgressText(int control_id, std::string_view text) override;
  void DestroyProgressWindow() override;
  DialogResult RunModal(Dialog& dialog) override;
  void Step() override {}

  void AddDialogScript(DialogScript script) { scripts_.Add(std::move(script)); }

 private:
  std::string Encode(std::string_view text) const;
  void DrawProgress();
  void EraseProgress();
  int Width() const;

  Options options_;
  bool show_progress_ = false;
  bool progress_exists_ = false;
  bool progress_drawn_ = false;
  std::string drawn_line_;
  int progress_line_control_ = 0;
  std::map<int, std::string> progress_texts_;
  DialogScripts scripts_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_CONSOLE_USER_INTERFACE_H_

#ifndef INDEXER_PLATFORM_USER_INTERFACE_H_
#define INDEXER_PLATFORM_USER_INTERFACE_H_

#include <string_view>

#include "platform/message_pump.h"

namespace platform {

class Dialog;

enum class MessageIcon { kNone, kWarning };

// How a modal dialog ended: the ids of its OK and Cancel buttons.
enum class DialogResult { kOk = 1, kCancel = 2 };

// The user-interface port: everything the system's own code asks of a window system. Texts are
// code page 932; each implementation converts at its edge.
//
// Implementations: RecordingUserInterface (tests: records everything, runs dialogs from
// scripts), ConsoleUserInterface (the command-line front end), and the desktop one.
//
// It is also the message pump (MessagePump::Step): a front end installs its user interface
// with ScopedMessagePump so that long operations keep the window responsive.
class UserInterface : public MessagePump {
 public:
  ~UserInterface() override = default;

  // A modal message box with the application title as caption, an OK button and `icon`;
  // returns when the user has confirmed it.
  virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::kNone) = 0;

  // The standard message beep.
  virtual void Beep() = 0;

  // The progress window of the builds (progress_window.h): modeless, no buttons, visible from
  // its creation until it is destroyed. Creating it while it exists, or destroying it when it
  // does not, does nothing.
  virtual void CreateProgressWindow() = 0;
  virtual void SetProgressText(int control_id, std::string_view text) = 0;
  virtual void DestroyProgressWindow() = 0;

  // Runs `dialog` modally: opens it (its OnInitDialog runs), lets the user work with it until
  // its logic ends it, and returns how it ended. A dialog closed from outside its logic (the
  // window's close box, no user at all) ends as its OnCancel decides, else with kCancel.
  virtual DialogResult RunModal(Dialog& dialog) = 0;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_USER_INTERFACE_H_

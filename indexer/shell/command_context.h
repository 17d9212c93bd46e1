#ifndef INDEXER_SHELL_COMMAND_CONTEXT_H_
#define INDEXER_SHELL_COMMAND_CONTEXT_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profiles.h"
#include "platform/user_interface.h"
#include "shell/document.h"

namespace shell {

// Lists the names (without directory) of the ordinary and read-only files that match a pattern
// (a directory prefix and a name with wildcards), in the platform's listing order; empty when
// the listing cannot be made at all.
using FileLister =
    std::function<std::optional<std::vector<std::string>>(std::string_view pattern)>;

// The platform's listing (platform/directory_listing.h). A directory that does not exist lists
// no file; the listing fails only when it cannot be held in memory.
std::optional<std::vector<std::string>> ListMatchingFiles(std::string_view pattern);

// What the menu commands work with, apart from any window: the document, the profiles, the
// user-interface port (message boxes, beep, progress window, message pump) and the view's busy
// flag m_busy. The commands themselves are procedures on it, each in its subsystem's folder:
// the builds (building/), the merge, word-list and dump commands (shell/), the test search
// (query/). A command that runs while another is under way (m_busy is 1) does nothing, as a
// disabled menu command; the commands that the flag guards set it while they work and clear
// it on every way out.
class CommandContext {
 public:
  CommandContext(CIndexerDoc& document, platform::Profiles& profiles,
                 platform::UserInterface& ui);
  CommandContext(const CommandContext&) = delete;
  CommandContext& operator=(const CommandContext&) = delete;

  CIndexerDoc& document() { return document_; }
  platform::Profiles& profiles() { return profiles_; }
  platform::Profile& application_profile() { return profiles_.Application(); }
  platform::UserInterface& ui() { return ui_; }

  // The enable rule of every program command: not while a command runs.
  bool IsCommandEnabled() const { return m_busy == 0; }
  int busy() const { return m_busy; }
  int& busy_flag() { return m_busy; }

  // The directory listing the commands use; ListMatchingFiles unless replaced.
  void SetFileLister(FileLister lister) { lister_ = std::move(lister); }
  std::optional<std::vector<std::string>> ListFiles(std::string_view pattern) const {
    return lister_(pattern);
  }

  // A listing that cannot be made ends a command with the standard beep and "失敗しました(/_;)".
  void ReportListingFailure();

 private:
  CIndexerDoc& document_;
  platform::Profiles& profiles_;
  platform::UserInterface& ui_;
  FileLister lister_ = ListMatchingFiles;
  int m_busy = 0;
};

// The progress window of the builds, from Create until Destroy or the end of the object's
// lifetime, so that it is gone on every way out of a build.
class ScopedProgressWindow {
 public:
  explicit ScopedProgressWindow(platform::UserInterface& ui) : ui_(ui) {}
  ~ScopedProgressWindow() { Destroy(); }
  ScopedProgressWindow(const ScopedProgressWindow&) = delete;
  ScopedProgressWindow& operator=(const ScopedProgressWindow&) = delete;

  void Create() {
    if (!shown_) ui_.CreateProgressWindow();
    shown_ = true;
  }
  void SetText(int control_id, std::string_view text) {
    if (shown_) ui_.SetProgressText(control_id, text);
  }
  void Destroy() {
    if (shown_) ui_.DestroyProgressWindow();
    shown_ = false;
  }

 private:
  platform::UserInterface& ui_;
  bool shown_ = false;
};

}  // namespace shell

#endif  // INDEXER_SHELL_COMMAND_CONTEXT_H_

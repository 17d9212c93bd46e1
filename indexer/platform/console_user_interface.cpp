#include "platform/console_user_interface.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

#include "platform/code_page.h"
#include "platform/dialog.h"
#include "platform/progress_window.h"
#include "platform/shift_jis.h"

namespace platform {

ConsoleUserInterface::ConsoleUserInterface() : ConsoleUserInterface(Options()) {}

ConsoleUserInterface::ConsoleUserInterface(Options options) : options_(options) {
  bool terminal = options_.terminal.has_value() ? *options_.terminal
                                                : ::isatty(::fileno(options_.stream)) == 1;
  show_progress_ = terminal && !options_.quiet;
}

ConsoleUserInterface::~ConsoleUserInterface() { EraseProgress(); }

std::string ConsoleUserInterface::Encode(std::string_view text) const {
  return options_.encoding == Encoding::kUtf8 ? Cp932ToUtf8(text) : std::string(text);
}

int ConsoleUserInterface::Width() const {
  if (options_.width) return *options_.width;
  winsize size {};
  if (::ioctl(::fileno(options_.stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    return size.ws_col;
  }
  return 80;
}

void ConsoleUserInterface::ShowMessage(std::string_view text, MessageIcon icon) {
  EraseProgress();
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  std::string out = icon == MessageIcon::kWarning ? "warning: " : "";
  out += Encode(line);
  out += '\n';
  std::fwrite(out.data(), 1, out.size(), options_.stream);
  std::fflush(options_.stream);
  DrawProgress();
}

void ConsoleUserInterface::CreateProgressWindow() {
  if (progress_exists_) return;
  progress_exists_ = true;
  progress_texts_.clear();
  progress_line_control_ = progress_window::kSourceFile;
}

void ConsoleUserInterface::SetProgressText(int control_id, std::string_view text) {
  if (!progress_exists_) return;
  progress_texts_[control_id] = std::string(text);
  if (control_id == progress_window::kSourceFile || control_id == progress_window::kStage) {
    progress_line_control_ = control_id;
  }
  DrawProgress();
}

void ConsoleUserInterface::DestroyProgressWindow() {
  EraseProgress();
  progress_exists_ = false;
}

void ConsoleUserInterface::DrawProgress() {
  if (!show_progress_ || !progress_exists_) return;
  auto found = progress_texts_.find(progress_line_control_);
  if (found == progress_texts_.end()) return;
  // One byte of code page 932 is one column (half-width), a double-byte character two: the
  // byte count is the width on the terminal. The last column stays free so that the line never
  // wraps.
  std::string_view text = found->second;
  std::size_t columns = static_cast<std::size_t>(std::max(Width() - 1, 1));
  std::size_t keep = 0;
  while (keep < text.size()) {
    std::size_t length = CharacterLengthAt(text, keep);
    if (keep + length > columns) break;
    keep += length;
  }
  std::string line;
  for (char c : text.substr(0, keep)) {
    line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  }
  if (progress_drawn_ && line == drawn_line_) return;  // unchanged: no flicker
  std::string out = "\r";
  out += Encode(line);
  out += "\x1b[K";
  std::fwrite(out.data(), 1, out.size(), options_.stream);
  std::fflush(options_.stream);
  progress_drawn_ = true;
  drawn_line_ = std::move(line);
}

void ConsoleUserInterface::EraseProgress() {
  if (!progress_drawn_) return;
  std::fputs("\r\x1b[K", options_.stream);
  std::fflush(options_.stream);
  progress_drawn_ = false;
}

DialogResult ConsoleUserInterface::RunModal(Dialog& dialog) {
  EraseProgress();
  DialogResult result = scripts_.Run(dialog, *this);
  DrawProgress();
  return result;
}

}  // namespace platform

#ifndef INDEXER_PLATFORM_UI_TEXT_H_
#define INDEXER_PLATFORM_UI_TEXT_H_

#include <string>
#include <string_view>

namespace platform {

// The one way texts written in the source (messages, captions, labels, control texts) become
// the program's code page 932 strings. Source files are UTF-8, so a Japanese literal is written
// as it reads:
//   ui.ShowMessage(platform::Cp932Text("ファイル名がありません"));
// The text is converted on first use and kept for the life of the process; the returned
// reference stays valid. Characters that code page 932 lacks become '?', so a typo shows
// rather than fails. Safe to call from any thread.
const std::string& Cp932Text(std::string_view utf8);

// "Windows アプリケーション INDEXER": the caption of every message box and of the main window.
const std::string& ApplicationTitle();

}  // namespace platform

#endif  // INDEXER_PLATFORM_UI_TEXT_H_

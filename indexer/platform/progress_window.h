#ifndef INDEXER_PLATFORM_PROGRESS_WINDOW_H_
#define INDEXER_PLATFORM_PROGRESS_WINDOW_H_

#include <string>

namespace platform {

// The progress window that the builds show (dialog template 104): its caption, its controls and
// the texts the template gives them, for the user interfaces that draw it.
namespace progress_window {

inline constexpr int kTemplateId = 104;
// The source file being scanned.
inline constexpr int kSourceFile = 107;
// The partial index file being written.
inline constexpr int kIndexFile = 108;
// What the build is doing.
inline constexpr int kStage = 123;

// "処理中"
const std::string& Caption();
// The fixed labels of 107 and 108: "処理中のファイル", "作成するインデックスファイル".
const std::string& SourceFileLabel();
const std::string& IndexFileLabel();
// What a build shows once every source file is scanned: "作業終了" in 107 and 108, and in 123
// "現在アルファベットごとにインデックスをまとめています(^_^;)まだまだかかります" while it
// consolidates.
const std::string& FinishedText();
const std::string& ConsolidationStageText();
// The text a control shows when the window is created: "Static" for 107 and 108, the stage
// text of the template for 123, empty for any other id.
std::string InitialText(int control_id);

}  // namespace progress_window
}  // namespace platform

#endif  // INDEXER_PLATFORM_PROGRESS_WINDOW_H_

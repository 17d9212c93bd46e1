#include "platform/progress_window.h"

#include "platform/ui_text.h"

namespace platform::progress_window {

const std::string& Caption() { return Cp932Text("処理中"); }

const std::string& SourceFileLabel() { return Cp932Text("処理中のファイル"); }

const std::string& IndexFileLabel() { return Cp932Text("作成するインデックスファイル"); }

const std::string& FinishedText() { return Cp932Text("作業終了"); }

const std::string& ConsolidationStageText() {
  return Cp932Text(
      "現在アルファベットごとにインデックスをまとめています(^_^;)まだまだかかります");
}

std::string InitialText(int control_id) {
  switch (control_id) {
    case kSourceFile:
    case kIndexFile:
      return "Static";
    case kStage:
      return Cp932Text(
          "現在インデックスファイル(ver.0.04)を作成しています。"
          "時間がかかりますので一休みしてください(^_^;)");
    default:
      return std::string();
  }
}

}  // namespace platform::progress_window

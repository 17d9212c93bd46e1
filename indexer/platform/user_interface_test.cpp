#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/console_user_interface.h"
#include "platform/dialog.h"
#include "platform/message_pump.h"
#include "platform/progress_window.h"
#include "platform/recording_user_interface.h"
#include "platform/ui_text.h"

namespace platform {
namespace {

TEST(RecordingUserInterfaceTest, RecordsProgressMessagesBeepsAndPumpSteps) {
  RecordingUserInterface ui;
  ui.CreateProgressWindow();
  EXPECT_EQ(ui.ProgressText(progress_window::kSourceFile), "Static");
  EXPECT_EQ(ui.ProgressText(progress_window::kStage),
            Cp932Text("現在インデックスファイル(ver.0.04)を作成しています。"
                      "時間がかかりますので一休みしてください(^_^;)"));
  ui.SetProgressText(progress_window::kSourceFile, "C:\\DIC\\FENG5A.TXT");
  ui.CreateProgressWindow();  // already there: nothing
  {
    ScopedMessagePump pump(&ui);
    for (int i = 0; i < 3; ++i) PumpMessages();
  }
  PumpMessages();  // no longer installed
  ui.DestroyProgressWindow();
  ui.DestroyProgressWindow();
  ui.Beep();
  ui.ShowMessage("Finished!");
  EXPECT_EQ(ui.events(), (std::vector<std::string>{"progress created",
                                                   "progress 107: C:\\DIC\\FENG5A.TXT",
                                                   "progress destroyed", "beep",
                                                   "message: Finished!"}));
  EXPECT_EQ(ui.pump_steps(), 3);
  EXPECT_FALSE(ui.progress_window_exists());
  EXPECT_EQ(ui.ProgressText(progress_window::kSourceFile), "C:\\DIC\\FENG5A.TXT");
}

// Runs `body` on a console interface writing into a temporary stream; returns what it wrote.
template <typename Body>
std::string ConsoleOutput(ConsoleUserInterface::Options options, Body body) {
  std::FILE* stream = std::tmpfile();
  options.stream = stream;
  {
    ConsoleUserInterface ui(options);
    body(ui);
  }
  std::fflush(stream);
  std::string written(static_cast<std::size_t>(std::ftell(stream)), '\0');
  std::rewind(stream);
  written.resize(std::fread(written.data(), 1, written.size(), stream));
  std::fclose(stream);
  return written;
}

void ShowABuild(ConsoleUserInterface& ui) {
  ui.CreateProgressWindow();
  ui.SetProgressText(progress_window::kSourceFile, "C:\\DIC\\\x93\xfa\x96\x7b.TXT");
  ui.SetProgressText(progress_window::kIndexFile, "C:\\IDX\\IDX_TEST.000");
  ui.ShowMessage("line one\r\nline two", MessageIcon::kWarning);
  ui.SetProgressText(progress_window::kStage, "stage text that is far too long");
  ui.DestroyProgressWindow();
  ui.Beep();
  ui.ShowMessage("Finished!");
}

TEST(ConsoleUserInterfaceTest, MessagesAreLinesAndProgressShowsOnlyOnATerminal) {
  ConsoleUserInterface::Options not_terminal;
  not_terminal.terminal = false;
  EXPECT_EQ(ConsoleOutput(not_terminal, ShowABuild),
            "warning: line one  line two\nFinished!\n");

  ConsoleUserInterface::Options terminal;
  terminal.terminal = true;
  terminal.width = 16;
  EXPECT_EQ(ConsoleOutput(terminal, ShowABuild),
            "\rC:\\DIC\\日本.TXT\x1b[K"            // 15 columns: the line never wraps
            "\r\x1b[K" "warning: line one  line two\n"
            "\rC:\\DIC\\日本.TXT\x1b[K"            // drawn again after the message
            "\rstage text that\x1b[K"
            "\r\x1b[K" "Finished!\n");

  ConsoleUserInterface::Options quiet = terminal;
  quiet.quiet = true;
  quiet.encoding = ConsoleUserInterface::Encoding::kCp932;
  EXPECT_EQ(ConsoleOutput(quiet, [](ConsoleUserInterface& ui) {
              ShowABuild(ui);
              ui.ShowMessage("\x8d\xec\x8b\xc6\x8f\x49\x97\xb9");
            }),
            "warning: line one  line two\nFinished!\n\x8d\xec\x8b\xc6\x8f\x49\x97\xb9\n");
}

TEST(ConsoleUserInterfaceTest, DialogsWithoutAScriptAreCancelled) {
  ConsoleUserInterface::Options options;
  options.terminal = false;
  EXPECT_EQ(ConsoleOutput(options,
                          [](ConsoleUserInterface& ui) {
                            Dialog dialog(101);
                            EXPECT_EQ(dialog.DoModal(ui), DialogResult::kCancel);
                            ui.AddDialogScript([](DialogDriver& user) { user.Click(kOkButton); });
                            EXPECT_EQ(dialog.DoModal(ui), DialogResult::kOk);
                          }),
            "");
}

}  // namespace
}  // namespace platform

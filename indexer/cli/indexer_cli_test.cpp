// Tests of indexer-cli through the real executable: each runs it as a process with its own
// temporary profile, index folders and configuration folder, and looks at its exit status, the
// bytes of its stdout and stderr, and the files it leaves.

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "platform/host_path.h"
#include "platform/message_pump.h"
#include "platform/profile_file.h"
#include "platform/profiles.h"
#include "platform/recording_user_interface.h"
#include "platform/shift_jis.h"
#include "query/test_search.h"
#include "shell/command_context.h"
#include "shell/document.h"
#include "testing/sjis.h"
#include "testing/temp_directory.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::Sjis;
using testing_support::TempDirectory;
using testing_support::WriteBytes;

const fs::path kSamples = INDEXER_SAMPLES_DIR;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// How the child's stderr is connected.
enum class Stderr { kFile, kTerminal };

// The child side of RunProcess: never returns.
[[noreturn]] void ExecCli(const std::vector<std::string>& arguments, const fs::path& directory,
                          const fs::path& config_home, int out_fd, int err_fd) {
  ::dup2(out_fd, STDOUT_FILENO);
  ::dup2(err_fd, STDERR_FILENO);
  if (::chdir(directory.c_str()) != 0) ::_exit(126);
  // The user's own profile is never touched, even when a test leaves out --profile.
  ::setenv("XDG_CONFIG_HOME", config_home.c_str(), 1);
  std::vector<char*> argv;
  static std::string program = INDEXER_CLI_PATH;
  argv.push_back(program.data());
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

// Runs indexer-cli with `arguments` in `directory`. stdout always goes to a file; stderr to a
// file, or to a pseudo-terminal when `err` is kTerminal.
Outcome RunProcess(const std::vector<std::string>& arguments, const fs::path& directory,
               const fs::path& scratch, Stderr err = Stderr::kFile) {
  const fs::path out_path = scratch / "stdout";
  const fs::path err_path = scratch / "stderr";
  const int out_fd = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  int err_fd = -1;
  int terminal = -1;
  if (err == Stderr::kTerminal) {
    terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || ::grantpt(terminal) != 0 || ::unlockpt(terminal) != 0) return {};
    err_fd = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY);
  } else {
    err_fd = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  }
  if (out_fd < 0 || err_fd < 0) return {};

  const pid_t child = ::fork();
  if (child == 0) ExecCli(arguments, directory, scratch / "config", out_fd, err_fd);
  ::close(out_fd);
  ::close(err_fd);

  Outcome run;
  if (terminal >= 0) {
    // Read the terminal while the child writes, until its side is closed.
    char buffer[4096];
    for (;;) {
      pollfd ready{terminal, POLLIN, 0};
      if (::poll(&ready, 1, 60000) <= 0) break;
      const ssize_t got = ::read(terminal, buffer, sizeof buffer);
      if (got <= 0) break;
      run.err.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(terminal);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = ReadBytes(out_path.string());
  if (terminal < 0) run.err = ReadBytes(err_path.string());
  return run;
}

// The program's name of a host directory, as the CLI stores it: absolute, trailing backslash.
std::string ProgramDirectory(const fs::path& host_directory) {
  return platform::ProgramPathOfHost(host_directory.lexically_normal().string()) + "\\";
}

// Lines joined, each followed by `end`.
std::string Lines(const std::vector<std::string>& lines, std::string_view end = "\n") {
  std::string text;
  for (const std::string& line : lines) text += line + std::string(end);
  return text;
}

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    fs::create_directories(temp.path() / "scratch");
    fs::create_directories(index_dir);
  }

  // indexer-cli --profile PROFILE ARGUMENTS..., run in `directory` (the temporary folder when
  // not given).
  Outcome Cli(std::vector<std::string> arguments, const fs::path& directory = {}) {
    arguments.insert(arguments.begin(), {"--profile", profile});
    return RunProcess(arguments, directory.empty() ? temp.path() : directory,
                      temp.path() / "scratch");
  }

  std::string ProfileValue(std::string_view section, std::string_view key) {
    auto file = platform::ProfileFile::AtHostPath(profile, false);
    return file->GetString(section, key, "<absent>");
  }

  // The English-Japanese build of every sample dictionary into index_dir, the dictionary
  // directory given relative to the repository.
  void BuildEnglishJapaneseSamples() {
    const Outcome run = Cli({"build", "ej", "--dir", "samples/ej", "--general", "FENG5*.*", "--tech",
                         "FENTEC.TXT", "--proper", "FENGKOYU.TXT", "--abbrev", "FENGRYAK.TXT",
                         "--supplement", "FENGHOI.TXT", "--bilingual", "BILING.TXT", "--index-dir",
                         index_dir.string()},
                        kSamples.parent_path());
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.err, "Finished!\n");
    ASSERT_EQ(run.out, "");
  }

  TempDirectory temp;
  const std::string profile = temp / "INDEXER.INI";
  const fs::path index_dir = temp.path() / "index";
};

const std::vector<std::string> kAppleLines = {
    "■apple : りんご◆ばら科の果物",
    "■Apple Pie : アップルパイ",
    "■apple : 林檎◆漢字表記の補遺",
    "The apple is red. : その apple (りんご) は赤い。",
};

TEST_F(CliTest, HelpOfTheProgramAndOfEveryCommand) {
  const struct {
    std::vector<std::string> arguments;
    std::string_view usage;
  } cases[] = {
      {{"--help"}, "Usage: indexer-cli [--profile FILE] [--quiet] COMMAND [OPTIONS]\n"},
      {{"-h"}, "Usage: indexer-cli [--profile FILE] [--quiet] COMMAND [OPTIONS]\n"},
      {{"build", "--help"}, "Usage: indexer-cli [--profile FILE] [--quiet] COMMAND [OPTIONS]\n"},
      {{"build", "ej", "--help"}, "Usage: indexer-cli [--profile FILE] [--quiet] build ej "},
      {{"build", "je", "--dir", "x", "-h"}, "Usage: indexer-cli [--profile FILE] [--quiet] build je "},
      {{"build", "generic", "--help"}, "Usage: indexer-cli [--profile FILE] [--quiet] build generic"},
      {{"merge", "--help"}, "Usage: indexer-cli [--profile FILE] merge\n"},
      {{"wordlist", "--help"}, "Usage: indexer-cli [--profile FILE] wordlist\n"},
      {{"dump", "--help"}, "Usage: indexer-cli [--profile FILE] dump\n"},
      {{"search", "--help"}, "Usage: indexer-cli [--profile FILE] search [--tag] [--raw] "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    const Outcome run = Cli(c.arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, c.usage.size()), c.usage);
    EXPECT_NE(run.out.find("Exit status: 0 success; 1 the operation failed"), std::string::npos);
  }
  // The program's help names the default profile of this environment.
  const Outcome run = RunProcess({"--help"}, temp.path(), temp.path() / "scratch");
  EXPECT_NE(run.out.find((temp.path() / "scratch/config/indexer/INDEXER.INI").string()),
            std::string::npos);
  EXPECT_NE(Cli({"search", "--help"}).out.find("Without --tag the lines are plain"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(profile));
}

TEST_F(CliTest, UsageErrorsWriteOneLineAndNothingElse) {
  const std::string long_directory = "/" + std::string(300, 'd');
  const struct {
    std::vector<std::string> arguments;
    std::string_view message;
  } cases[] = {
      {{}, "no command given (see 'indexer-cli --help')"},
      {{"frobnicate"}, "unknown command 'frobnicate' (see 'indexer-cli --help')"},
      {{"--bogus", "merge"}, "unknown option '--bogus' (see 'indexer-cli --help')"},
      {{"-x", "merge"}, "unknown option '-x'"},
      {{"build"}, "build needs a kind: ej, je or generic"},
      {{"build", "xx"}, "unknown build 'xx' (ej, je or generic)"},
      {{"build", "ej", "--files", "x"}, "unknown option --files for build ej (see 'indexer-cli build ej --help')"},
      {{"build", "je", "--general", "x"}, "unknown option --general for build je"},
      {{"build", "je", "--dir"}, "option --dir needs a value"},
      {{"merge", "extra"}, "unexpected argument 'extra' (see 'indexer-cli merge --help')"},
      {{"dump", "--tag"}, "unknown option --tag for dump"},
      {{"search"}, "search needs a KEYWORD"},
      {{"search", "red", "apple"}, "search takes one KEYWORD"},
      {{"search", "--tag=1", "apple"}, "option --tag takes no value"},
      {{"--profile=", "merge"}, "option --profile needs a file name"},
      {{"build", "ej", "--index-dir", "D:\\idx"}, "no drive D: in 'D:\\idx'"},
      {{"build", "ej", "--general", "café.txt"}, "the pattern 'café.txt' holds a character that code page 932 lacks"},
      {{"search", "café"}, "the keyword 'café' holds a character that code page 932 lacks"},
      {{"build", "je", "--dir", long_directory}, "is longer than the 259 bytes a profile value can hold"},
      {{"build", "je", "--files", std::string(260, 'f')}, "is longer than the 259 bytes"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments.front());
    std::vector<std::string> arguments = c.arguments;
    if (arguments.empty() || arguments.front().substr(0, 9) != "--profile") {
      arguments.insert(arguments.begin(), {"--profile", profile});
    }
    const Outcome run = RunProcess(arguments, temp.path(), temp.path() / "scratch");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("indexer-cli: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    EXPECT_FALSE(fs::exists(profile)) << "nothing is written before the command line is right";
  }
}

TEST_F(CliTest, EnglishJapaneseBuildOfTheSamplesAndTestSearches) {
  BuildEnglishJapaneseSamples();

  // The dialog's values, directories absolute in Windows form with a trailing backslash.
  EXPECT_EQ(ProfileValue("FENGDIC", "Directory"), ProgramDirectory(kSamples / "ej"));
  EXPECT_EQ(ProfileValue("FENGDIC", "IndexDir"), ProgramDirectory(index_dir));
  EXPECT_EQ(ProfileValue("Current", "IndexDir"), ProgramDirectory(index_dir));
  EXPECT_EQ(ProfileValue("FENGDIC", "Tech"), "FENTEC.TXT");
  const std::string samples_ej = platform::UpperCased(ProgramDirectory(kSamples / "ej"));
  EXPECT_EQ(ProfileValue("FileID", "0"), samples_ej + "FENG5A.TXT");
  EXPECT_EQ(ProfileValue("FileID", "6"), samples_ej + "BILING.TXT");
  // The finished index: letter index files, the source-file table and the word list; no
  // partial index file is left.
  for (const char* name : {"$$TMP$$.A", "$$TMP$$._", "$$TMP$$.#", "qvxindex.ini", "wordlist.qvx"}) {
    EXPECT_TRUE(fs::is_regular_file(index_dir / name)) << name;
  }
  for (const auto& entry : fs::directory_iterator(index_dir)) {
    EXPECT_NE(entry.path().filename().string().rfind("IDX_TEST.", 0), 0u) << entry.path();
  }

  const struct {
    std::string keyword;
    std::vector<std::string> lines;
  } searches[] = {
      {"apple", kAppleLines},
      {"APPLE ", kAppleLines},  // letter case folds; one trailing space is dropped
      {"3.14", {"■3.14 : 円周率の近似値◆pi の項を参照", "Pi is about 3.14. : 円周率はおよそ 3.14 です。"}},
      {"see", {"* see also account, money"}},
      {"deposit", {"  and the verb deposit"}},
      {"cpu", {"■CPU : 中央処理装置", "■CPU : central processing unit●中央処理装置"}},
      {"table", {"■table : 表●テーブル"}},
      {"o'neil's", {"■O'Neil's : オニールの"}},
      {"zebra", {}},
  };
  for (const auto& search : searches) {
    SCOPED_TRACE(search.keyword);
    const Outcome run = Cli({"search", search.keyword});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Lines(search.lines));
  }

  // Tag form: the registered path and the line number; the box is saved as OK saves it.
  Outcome run = Cli({"search", "--tag", "Apple"});
  EXPECT_EQ(run.status, 0);
  const std::string ej_utf8 = platform::Cp932ToUtf8(samples_ej);
  EXPECT_EQ(run.out, Lines({ej_utf8 + "FENG5A.TXT(      9)" + kAppleLines[0],
                            ej_utf8 + "FENG5A.TXT(     10)" + kAppleLines[1],
                            ej_utf8 + "FENGHOI.TXT(      1)" + kAppleLines[2],
                            ej_utf8 + "BILING.TXT(      6)" + kAppleLines[3]}));
  EXPECT_EQ(ProfileValue("Option", "TagForm"), "1");
  // Without --tag the box is unchecked: plain lines, and 0 saved.
  EXPECT_EQ(Cli({"search", "apple"}).out, Lines(kAppleLines));
  EXPECT_EQ(ProfileValue("Option", "TagForm"), "0");
  // A keyword that begins with '-' after "--"; "1-2" is one word in bucket '_'.
  run = Cli({"search", "--", "-"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(Cli({"search", "--", "1-2"}).out, Lines({"■1-2 : ワンツー●二連打"}));
}

TEST_F(CliTest, RawSearchWritesWhatFileSaveWrites) {
  BuildEnglishJapaneseSamples();
  for (const bool tag : {false, true}) {
    SCOPED_TRACE(tag);
    std::vector<std::string> arguments = {"search", "--raw", "apple"};
    if (tag) arguments.insert(arguments.begin() + 1, "--tag");
    const Outcome run = Cli(arguments);
    ASSERT_EQ(run.status, 0) << run.err;

    // The same search in the program, saved with File Save.
    platform::DiskProfiles profiles(profile);
    platform::RecordingUserInterface ui;
    platform::ScopedMessagePump pump(&ui);
    shell::CIndexerDoc document(profiles.Application(), ui);
    shell::CommandContext context(document, profiles, ui);
    query::RunTestSearch(context, "apple");
    const std::string saved = temp / "saved.txt";
    document.SaveText(platform::ProgramPathOfHost(saved));
    EXPECT_EQ(run.out, ReadBytes(saved));
    if (!tag) {
      EXPECT_EQ(run.out, Sjis(Lines(kAppleLines, "\r\n")));
    }
  }
}

TEST_F(CliTest, AnOptionNotGivenKeepsItsBoxAndAnEmptyOneEmptiesIt) {
  BuildEnglishJapaneseSamples();
  // Only the bilingual box changes, to empty; the rest comes from the profile.
  const Outcome run = Cli({"build", "ej", "--bilingual", ""});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ProfileValue("FENGDIC", "Biling"), "");
  EXPECT_EQ(ProfileValue("FENGDIC", "Tech"), "FENTEC.TXT");
  EXPECT_EQ(ProfileValue("FENGDIC", "Directory"), ProgramDirectory(kSamples / "ej"));
  EXPECT_EQ(Cli({"search", "3.14"}).out, Lines({"■3.14 : 円周率の近似値◆pi の項を参照"}));
}

TEST_F(CliTest, JapaneseEnglishAndGenericBuilds) {
  // Windows form without the trailing backslash; a relative host form.
  const std::string je_windows =
      platform::Cp932ToUtf8(platform::ProgramPathOfHost((kSamples / "je").string()));
  fs::create_directories(temp.path() / "index-je");
  Outcome run = Cli({"build", "je", "--dir", je_windows, "--files", "WAEI*.TXT", "--index-dir",
                 "index-je"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "Finished!\n");
  EXPECT_EQ(ProfileValue("Japanese-English", "DirName"), ProgramDirectory(kSamples / "je"));
  EXPECT_EQ(ProfileValue("Japanese-English", "IndexDir"), ProgramDirectory(temp.path() / "index-je"));
  EXPECT_EQ(Cli({"search", "water"}).out, Lines({"水 [みず] : water"}));
  EXPECT_EQ(Cli({"search", "see"}).out,
            Lines({"  (see also 青, 青空)", "  (see also 水道, 水曜日)"}));

  run = Cli({"build", "generic", "--dir", "samples/./je/../generic", "--files", "*.*",
             "--index-dir", index_dir.string()},
            kSamples.parent_path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ProfileValue("Generic", "DirName"), ProgramDirectory(kSamples / "generic"));
  EXPECT_EQ(ProfileValue("Current", "IndexDir"), ProgramDirectory(index_dir));
  EXPECT_EQ(ProfileValue("Japanese-English", "FileName"), "WAEI*.TXT");  // each mode its own
  EXPECT_EQ(Cli({"search", "apple"}).out,
            Lines({"Apple, APPLE and apple are one and the same index word."}));
  EXPECT_EQ(Cli({"search", "rock'n'roll"}).out,
            Lines({"Tomorrow: rock'n'roll records at O'Neil's shop."}));
}

TEST_F(CliTest, TheFileSelectionIsCheckedAsTheDialogChecksIt) {
  const struct {
    std::vector<std::string> arguments;
    std::string_view message;
  } cases[] = {
      {{"build", "je"}, "ファイル名がありません"},
      {{"build", "je", "--files", "*.TXT"}, "ﾃﾞｨﾚｸﾄﾘ名がありません"},
      {{"build", "generic", "--files", "*.TXT", "--dir", "/tmp"}, "ｲﾝﾃﾞｯｸｽﾃﾞｨﾚｸﾄﾘがありません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const Outcome run = Cli(c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string(c.message) + "\n");
    EXPECT_FALSE(fs::exists(profile)) << "OK refused: nothing written";
  }
  // After a build, emptying the file name box is refused the same way.
  ASSERT_EQ(Cli({"build", "je", "--dir", (kSamples / "je").string(), "--files", "*.TXT",
                 "--index-dir", index_dir.string()})
                .status,
            0);
  const Outcome run = Cli({"build", "je", "--files", ""});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "ファイル名がありません\n");
  EXPECT_EQ(ProfileValue("Japanese-English", "FileName"), "*.TXT");
}

TEST_F(CliTest, AMissingOrUnwritableIndexDirectoryFailsTheBuild) {
  WriteBytes(temp / "a-file", "not a directory");
  for (const char* index : {"missing", "a-file"}) {
    for (const char* kind : {"ej", "generic"}) {
      SCOPED_TRACE(std::string(kind) + " into " + index);
      std::vector<std::string> arguments = {"build", kind, "--dir", (kSamples / "generic").string(),
                                            "--index-dir", temp / index};
      if (std::string_view(kind) == "ej") {
        arguments.insert(arguments.end(), {"--general", "*.TXT"});
      } else {
        arguments.insert(arguments.end(), {"--files", "*.TXT"});
      }
      const Outcome run = Cli(arguments);
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err.rfind("error: cannot create C:\\", 0), 0u) << run.err;
      // Paths of partial index files are upper-cased.
      EXPECT_NE(run.err.find(platform::UpperCased(index)), std::string::npos) << run.err;
      EXPECT_EQ(run.err.find("Finished!"), std::string::npos);
      EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
  }
  EXPECT_FALSE(fs::exists(temp.path() / "missing"));
}

TEST_F(CliTest, MergeConsolidatesWhatAStoppedBuildLeft) {
  // "qvxindex.ini" cannot be written: the build stops after its first partial index file.
  fs::create_directories(index_dir / "qvxindex.ini");
  Outcome run = Cli({"build", "ej", "--dir", (kSamples / "ej").string(), "--index-dir",
                 index_dir.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("qvxindex.ini"), std::string::npos) << run.err;
  ASSERT_TRUE(fs::exists(index_dir / "IDX_TEST.000"));
  EXPECT_FALSE(fs::exists(index_dir / "$$TMP$$.A"));

  run = Cli({"merge"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "マージ完了!!\n");
  EXPECT_FALSE(fs::exists(index_dir / "IDX_TEST.000"));
  EXPECT_TRUE(fs::exists(index_dir / "$$TMP$$.A"));
  EXPECT_EQ(Cli({"search", "apple"}).out, Lines({kAppleLines[0], kAppleLines[1]}));

  run = Cli({"merge"});  // nothing left to merge
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "マージに失敗しました(;_;)\n");
}

TEST_F(CliTest, WordListAndDump) {
  BuildEnglishJapaneseSamples();
  const std::string built_list = ReadBytes((index_dir / "wordlist.qvx").string());
  fs::remove(index_dir / "wordlist.qvx");
  Outcome run = Cli({"wordlist"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "終了しました\n");
  EXPECT_EQ(ReadBytes((index_dir / "wordlist.qvx").string()), built_list);

  run = Cli({"dump"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  for (const char bucket : std::string_view("_ABCDEFGHIJKLMNOPQRSTUVWXYZ#")) {
    EXPECT_TRUE(fs::exists(index_dir / (std::string("DUMP.") + bucket))) << bucket;
  }
  const std::string dump_a = ReadBytes((index_dir / "DUMP.A").string());
  EXPECT_NE(dump_a.find("Word : apple\r\n[[ " + platform::UpperCased(ProgramDirectory(kSamples / "ej")) +
                        "FENG5A.TXT ]]\r\n9 10 \r\n"),
            std::string::npos);

  // A word list that cannot be written is not reported by the program; the front end fails.
  fs::remove(index_dir / "wordlist.qvx");
  fs::create_directories(index_dir / "wordlist.qvx");
  run = Cli({"wordlist"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "終了しました\nerror: cannot write the word list " +
                         platform::Cp932ToUtf8(ProgramDirectory(index_dir)) + "wordlist.qvx\n");

  // A dump into a directory that is gone.
  fs::remove_all(index_dir);
  run = Cli({"dump"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("error: cannot create ", 0), 0u) << run.err;
}

TEST_F(CliTest, KeywordsAreCheckedAsTheDialogChecksThem) {
  const struct {
    std::string keyword;
    std::string_view message;
  } cases[] = {
      {"red apple", "一語単位で御願いします!!"},
      {" apple", "不正な文字が入力されました!!英数字で始まってないとダメです。"},
      {"りんご", "２バイトコードは使用できません!!"},
      {"appleりんご", "２バイトコードは使用できません!!"},
      {"", "キーワードを入力してください。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyword);
    const Outcome run = Cli({"search", c.keyword});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string(c.message) + "\n");
    EXPECT_FALSE(fs::exists(profile)) << "the dialog's OK was not reached";
  }
}

TEST_F(CliTest, AnIndexFileOfAnotherVersionFailsTheSearch) {
  BuildEnglishJapaneseSamples();
  WriteBytes((index_dir / "$$TMP$$.A").string(), std::string("\x05\x00\x00", 3));
  const Outcome run = Cli({"search", "apple"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("warning: このプログラムが対応していないインデックス形式です。", 0), 0u)
      << run.err;
  // A letter index file that does not exist lists nothing, as the program does.
  fs::remove(index_dir / "$$TMP$$.A");
  EXPECT_EQ(Cli({"search", "apple"}).status, 0);
}

TEST_F(CliTest, WithoutProfileOptionTheProfileIsInTheConfigurationFolder) {
  const Outcome run = RunProcess({"build", "generic", "--dir", (kSamples / "generic").string(),
                              "--files", "NOTES.TXT", "--index-dir", index_dir.string()},
                             temp.path(), temp.path() / "scratch");
  ASSERT_EQ(run.status, 0) << run.err;
  const fs::path default_profile = temp.path() / "scratch/config/indexer/INDEXER.INI";
  ASSERT_TRUE(fs::exists(default_profile));
  EXPECT_NE(ReadBytes(default_profile.string()).find("[Generic]\r\nFileName=NOTES.TXT\r\n"),
            std::string::npos);
}

TEST_F(CliTest, ProgressLineOnlyOnATerminalAndNotWhenQuiet) {
  std::vector<std::string> build = {"--profile", profile, "build", "ej", "--dir",
                                    (kSamples / "ej").string(), "--bilingual", "BILING.TXT",
                                    "--index-dir", index_dir.string()};
  Outcome run = RunProcess(build, temp.path(), temp.path() / "scratch", Stderr::kTerminal);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string samples_ej =
      platform::Cp932ToUtf8(platform::UpperCased(ProgramDirectory(kSamples / "ej")));
  EXPECT_NE(run.err.find("\rfile 1 of 3: " + samples_ej + "FENG5A.TXT"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("\rfile 3 of 3: " + samples_ej + "BILING.TXT"), std::string::npos);
  EXPECT_NE(run.err.find("\r現在アルファベットごとにインデックスをまとめています"),
            std::string::npos);
  // The line is erased before the message (the terminal turns "\n" into "\r\n").
  EXPECT_NE(run.err.find("\r\x1b[KFinished!\r\n"), std::string::npos) << run.err;

  build.insert(build.begin() + 2, "--quiet");
  run = RunProcess(build, temp.path(), temp.path() / "scratch", Stderr::kTerminal);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "Finished!\r\n");
}

}  // namespace

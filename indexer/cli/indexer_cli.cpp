#include "cli/indexer_cli.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "cli/argument_text.h"
#include "cli/build_commands.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/help_text.h"
#include "cli/index_commands.h"
#include "cli/search_command.h"
#include "cli/session.h"
#include "platform/code_page.h"
#include "platform/current_directory.h"
#include "platform/file_error.h"
#include "platform/profiles.h"

namespace cli {
namespace {

int Status(ExitStatus status) { return static_cast<int>(status); }

int ReportUsageError(const UsageError& error) {
  std::string hint = "indexer-cli";
  if (error.command != Command::kNone) hint += " " + std::string(CommandName(error.command));
  std::fprintf(stderr, "indexer-cli: %s (see '%s --help')\n", error.message.c_str(),
               hint.c_str());
  return Status(ExitStatus::kUsage);
}

int PrintHelp(Command command) {
  const std::string text = HelpText(command, platform::DefaultApplicationProfilePath());
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? Status(ExitStatus::kSuccess) : Status(ExitStatus::kFailed);
}

ExitStatus RunCommand(Session& session, const CommandLine& line) {
  switch (line.command) {
    case Command::kBuildEnglishJapanese:
    case Command::kBuildJapaneseEnglish:
    case Command::kBuildGeneric:
      return RunBuildCommand(session, line);
    case Command::kMerge:
      return RunMergeCommand(session);
    case Command::kWordList:
      return RunWordListCommand(session);
    case Command::kDump:
      return RunDumpCommand(session);
    case Command::kSearch:
      return RunSearchCommand(session, line, stdout);
    case Command::kNone:
      break;
  }
  return ExitStatus::kUsage;
}

// Runs the command and turns what ends it early into an error line and a failure.
ExitStatus RunReportingErrors(Session& session, const CommandLine& line) {
  try {
    return RunCommand(session, line);
  } catch (const platform::FileError& error) {
    session.ui.ReportError(error.what());  // the program's own code page 932 text
  } catch (const std::bad_alloc&) {
    session.ui.ReportError("out of memory");
  } catch (const std::exception& error) {
    session.ui.ReportError(platform::Utf8ToCp932(error.what()));
  }
  return ExitStatus::kFailed;
}

}  // namespace

int RunIndexerCli(std::span<const char* const> arguments) {
  std::variant<CommandLine, UsageError> parsed = ParseCommandLine(arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) return ReportUsageError(*error);
  const CommandLine& line = std::get<CommandLine>(parsed);
  if (line.help) return PrintHelp(line.command);

  Session::Options options;
  options.host_current_directory = platform::HostCurrentDirectory();
  options.quiet = line.quiet;
  // Made absolute now: the dump changes the current directory.
  options.profile_host_path =
      line.profile ? AbsoluteHostPath(*line.profile, options.host_current_directory)
                   : platform::DefaultApplicationProfilePath();
  if (options.profile_host_path.empty() || options.profile_host_path[0] != '/') {
    return ReportUsageError({"cannot tell where the profile " +
                                 (line.profile ? "'" + *line.profile + "' is"
                                               : std::string("belongs: give --profile")),
                             line.command});
  }
  Session session(std::move(options));
  return Status(RunReportingErrors(session, line));
}

}  // namespace cli

#include "cli/search_command.h"

#include <string>
#include <string_view>

#include "building/profile_keys.h"
#include "cli/argument_text.h"
#include "platform/code_page.h"
#include "query/keyword_checks.h"
#include "query/test_search.h"

namespace cli {

ExitStatus RunSearchCommand(Session& session, const CommandLine& line, std::FILE* out) {
  std::variant<std::string, ArgumentError> typed = Cp932Argument(*line.keyword, "keyword");
  if (const auto* error = std::get_if<ArgumentError>(&typed)) {
    std::fprintf(stderr, "indexer-cli: %s\n", error->message.c_str());
    return ExitStatus::kUsage;
  }
  const std::string& field = std::get<std::string>(typed);

  // The check the dialog makes when the field changes.
  const query::KeywordCheck check = query::CheckKeyword(field);
  if (check.problem != query::KeywordProblem::kNone) {
    session.ui.Beep();
    session.ui.ShowMessage(query::KeywordProblemMessage(check.problem));
    return ExitStatus::kUsage;
  }
  // The dialog's OK.
  std::optional<std::string> keyword = query::AcceptKeyword(field);
  if (!keyword) {
    session.ui.ShowMessage(query::EmptyKeywordMessage());
    return ExitStatus::kUsage;
  }
  building::WriteInt(session.context.application_profile(),
                     building::profile_keys::kOptionTagForm, line.tag ? 1 : 0);

  query::RunTestSearch(session.context, *keyword);
  if (session.ui.WarningShown()) return ExitStatus::kFailed;
  if (!WriteResultLines(session.document.lines(), line.raw, out)) {
    session.ui.ReportError("cannot write the results to standard output");
    return ExitStatus::kFailed;
  }
  return ExitStatus::kSuccess;
}

bool WriteResultLines(const shell::CExStringList& lines, bool raw, std::FILE* out) {
  std::string text;
  for (const std::string& line : lines) {
    std::string_view bytes = line;
    if (!bytes.empty() && bytes.back() == '\n') bytes.remove_suffix(1);
    if (raw) {
      text.append(bytes);
      text += "\r\n";
    } else {
      text += platform::Cp932ToUtf8(bytes);
      text += '\n';
    }
    if (text.size() >= (1 << 16)) {
      if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) return false;
      text.clear();
    }
  }
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) return false;
  return std::fflush(out) == 0;
}

}  // namespace cli

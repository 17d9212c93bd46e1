#include "cli/help_text.h"

namespace cli {
namespace {

constexpr std::string_view kExitStatus =
    "Exit status: 0 success; 1 the operation failed (a file error, a build or merge that did\n"
    "not complete, an unsupported index file); 2 a usage error or a value the command's dialog\n"
    "refuses.\n";

constexpr std::string_view kDirectories =
    "DIR is a directory in host form (/tmp/dic, samples/ej: relative to the current directory)\n"
    "or Windows form (C:\\tmp\\dic\\; drive C: is the root). It is stored in the profile as an\n"
    "absolute Windows path with a trailing backslash. PAT is a file name or a pattern with * and\n"
    "? (letter case ignored; *.* matches every name), in UTF-8. Options not given keep the value\n"
    "the profile holds; an empty value ('') empties the box.\n";

std::string ProgramHelp(std::string_view default_profile) {
  std::string text =
      "Usage: indexer-cli [--profile FILE] [--quiet] COMMAND [OPTIONS]\n"
      "\n"
      "Builds and tries word indexes over Shift-JIS (code page 932) dictionaries; each command\n"
      "is a menu command of the indexer program.\n"
      "\n"
      "Commands:\n"
      "  build ej       English-Japanese build: FENG dictionaries, then a bilingual corpus\n"
      "  build je       Japanese-English build\n"
      "  build generic  generic build: every word of any text files\n"
      "  merge          consolidate the partial index files left in the English-Japanese\n"
      "                 index directory into the current index\n"
      "  wordlist       write the word list (wordlist.qvx) of the current index\n"
      "  dump           write the English-Japanese index as text (DUMP.* files)\n"
      "  search         test search: the source lines of one word\n"
      "\n"
      "Options:\n"
      "  --profile FILE  the application profile (a host path); default:\n"
      "                  ";
  text += default_profile;
  text +=
      "\n"
      "                  ($XDG_CONFIG_HOME/indexer/INDEXER.INI, else ~/.config/indexer/)\n"
      "  --quiet         no progress line (none is drawn when stderr is not a terminal)\n"
      "  -h, --help      this help; 'indexer-cli COMMAND --help' for a command's\n"
      "\n"
      "Messages go to stderr in UTF-8, one line each; search results to stdout.\n"
      "\n";
  text += kExitStatus;
  return text;
}

std::string EnglishJapaneseHelp() {
  std::string text =
      "Usage: indexer-cli [--profile FILE] [--quiet] build ej [--dir DIR] [--general PAT]\n"
      "         [--tech PAT] [--proper PAT] [--abbrev PAT] [--supplement PAT]\n"
      "         [--bilingual PAT] [--index-dir DIR]\n"
      "\n"
      "English-Japanese build, as the menu command with its dialog: the boxes are loaded from\n"
      "the profile (section FENGDIC; a first run shows FENG5*.* and the current directory),\n"
      "the options given change their boxes, OK saves them (and Current/IndexDir), and the\n"
      "build runs: the dictionary files (the head of each entry), then the bilingual corpus\n"
      "(the text after \" : \"), at most 200 files, consolidated into the letter index files\n"
      "of the index directory.\n"
      "It ends with \"Finished!\" on stderr.\n"
      "\n"
      "  --dir DIR         dictionary directory: every file of the build is in it\n"
      "  --general PAT     general vocabulary (listed even when empty)\n"
      "  --tech PAT        technical terms\n"
      "  --proper PAT      proper nouns\n"
      "  --abbrev PAT      abbreviations\n"
      "  --supplement PAT  supplement\n"
      "  --bilingual PAT   bilingual corpus\n"
      "  --index-dir DIR   index directory; it must exist\n"
      "\n";
  text += kDirectories;
  text += "\n";
  text += kExitStatus;
  return text;
}

std::string FileSelectionHelp(bool generic) {
  std::string text = generic ? "Usage: indexer-cli [--profile FILE] [--quiet] build generic"
                             : "Usage: indexer-cli [--profile FILE] [--quiet] build je";
  text += " [--dir DIR] [--files PAT]\n         [--index-dir DIR]\n\n";
  text += generic ? "Generic build: every word of every line of the files, entry type 0.\n"
                  : "Japanese-English build: the glosses after \" : \" of each line, field by\n"
                    "field (split at the mark ●), entry type 4.\n";
  text +=
      "\n"
      "As the menu command with its dialog: the boxes are loaded from the profile (section\n";
  text += generic ? "Generic" : "Japanese-English";
  text +=
      "; empty on a first run), the options given change their boxes, and OK checks\n"
      "that none is empty (else the dialog's message and exit status 2), saves them (and\n"
      "Current/IndexDir) and runs the build (at most 200 files). It ends with \"Finished!\".\n"
      "\n"
      "  --dir DIR        dictionary directory\n"
      "  --files PAT      the source files\n"
      "  --index-dir DIR  index directory; it must exist\n"
      "\n";
  text += kDirectories;
  text += "\n";
  text += kExitStatus;
  return text;
}

std::string MergeHelp() {
  std::string text =
      "Usage: indexer-cli [--profile FILE] merge\n"
      "\n"
      "Consolidates every partial index file (IDX_TEST.*) left in the English-Japanese index\n"
      "directory (FENGDIC/IndexDir) into the letter index files and word list of the current\n"
      "index directory (Current/IndexDir), and deletes them, as a build does at its end.\n"
      "Prints \"マージ完了!!\" (exit status 0), or, when there is nothing to merge,\n"
      "\"マージに失敗しました(;_;)\" (exit status 1).\n"
      "\n";
  text += kExitStatus;
  return text;
}

std::string WordListHelp() {
  std::string text =
      "Usage: indexer-cli [--profile FILE] wordlist\n"
      "\n"
      "Writes wordlist.qvx, every word of the current index (Current/IndexDir) once, for\n"
      "searches without a whole word. Prints \"終了しました\"; when the file could not be\n"
      "written, an error follows and the exit status is 1.\n"
      "\n";
  text += kExitStatus;
  return text;
}

std::string DumpHelp() {
  std::string text =
      "Usage: indexer-cli [--profile FILE] dump\n"
      "\n"
      "Writes each letter index file of the English-Japanese index directory (FENGDIC/IndexDir)\n"
      "as text beside it: DUMP._, DUMP.A to DUMP.Z, DUMP.#, in code page 932 with CR LF; for\n"
      "each word the source files (by the profile's FileID table) and its line numbers.\n"
      "Says nothing when it succeeds.\n"
      "\n";
  text += kExitStatus;
  return text;
}

std::string SearchHelp() {
  std::string text =
      "Usage: indexer-cli [--profile FILE] search [--tag] [--raw] [--] KEYWORD\n"
      "\n"
      "Test search: finds KEYWORD (one word; letter case ignored) in the current index\n"
      "(Current/IndexDir: the most recent build's) and writes on stdout the source line of\n"
      "each occurrence, from the place the word was indexed, in index order.\n"
      "The keyword is checked as the test search dialog checks it: it must not begin with\n"
      "white space, must hold no double-byte character and must be one word (else the dialog's\n"
      "message and exit status 2); one trailing white-space character is dropped. A keyword\n"
      "that begins with '-' is given after --.\n"
      "\n"
      "  --tag  tag form: each line begins with the source path and the line number, as\n"
      "         C:\\DIC\\FENG5A.TXT(     42). Without --tag the lines are plain: the dialog's\n"
      "         tag-form box is unchecked. Either way the box is saved in the profile\n"
      "         (Option/TagForm), as the dialog's OK saves it.\n"
      "  --raw  the lines exactly as the program's File Save writes them: code page 932 bytes,\n"
      "         CR LF. Without --raw: UTF-8, LF.\n"
      "\n"
      "A word that is not indexed lists nothing, with exit status 0.\n"
      "\n";
  text += kExitStatus;
  return text;
}

}  // namespace

std::string HelpText(Command command, std::string_view default_profile) {
  switch (command) {
    case Command::kNone:
      return ProgramHelp(default_profile);
    case Command::kBuildEnglishJapanese:
      return EnglishJapaneseHelp();
    case Command::kBuildJapaneseEnglish:
      return FileSelectionHelp(false);
    case Command::kBuildGeneric:
      return FileSelectionHelp(true);
    case Command::kMerge:
      return MergeHelp();
    case Command::kWordList:
      return WordListHelp();
    case Command::kDump:
      return DumpHelp();
    case Command::kSearch:
      return SearchHelp();
  }
  return ProgramHelp(default_profile);
}

}  // namespace cli

#ifndef INDEXER_BUILDING_JAP_ENG_VALUES_H_
#define INDEXER_BUILDING_JAP_ENG_VALUES_H_

#include <optional>
#include <string>

#include "platform/profile.h"

namespace building {

// The values of the file selection of the Japanese-English build (mode 0) and the generic
// build (mode 1), as their dialog and the command-line front end share them: the dictionary
// directory, one file name or wildcard pattern and the index directory, kept per mode in the
// profile section "Japanese-English" or "Generic". Directories are plain prefixes that should
// end with a backslash; only emptiness is checked.
struct JapEngValues {
  std::string m_dirName;   // dictionary directory
  std::string m_fileName;  // file name or pattern
  std::string m_indexDir;  // index directory
  int m_mode = 0;          // 0 Japanese-English, 1 generic (any other value counts as 0)
  std::string m_section;   // "Japanese-English" or "Generic"

  // What the dialog shows when it opens in `mode`: "FileName", "DirName" and "IndexDir" of the
  // mode's section, empty when absent (nothing is filled in).
  static JapEngValues Load(platform::Profile& profile, int mode);

  // The dialog's mode label: "和英モードです" or "汎用モードです".
  static const std::string& ModeLabel(int mode);

  // The check of OK, in this order: "ファイル名がありません" when the file name is empty, else
  // "ﾃﾞｨﾚｸﾄﾘ名がありません" when the directory is, else "ｲﾝﾃﾞｯｸｽﾃﾞｨﾚｸﾄﾘがありません" when the
  // index directory is; nothing when all three are given.
  std::optional<std::string> ValidationMessage() const;

  // What OK writes once the check passes: "FileName", "DirName", "IndexDir" of the mode's
  // section, then "Current"/"IndexDir" = m_indexDir.
  void Save(platform::Profile& profile) const;
};

}  // namespace building

#endif  // INDEXER_BUILDING_JAP_ENG_VALUES_H_

#ifndef INDEXER_BUILDING_FENG_DIC_VALUES_H_
#define INDEXER_BUILDING_FENG_DIC_VALUES_H_

#include <string>

#include "platform/profile.h"

namespace building {

// The eight values of the English-Japanese build's dictionary selection, as its dialog and the
// command-line front end share them: the dictionary directory, one file name or wildcard
// pattern per kind of source file, and the index directory. Directories are plain prefixes
// that should end with a backslash; nothing is checked (an empty name drops a kind of file).
struct FengDicValues {
  std::string m_directory;  // dictionary directory
  std::string m_fileNames;  // general vocabulary
  std::string m_indexDir;   // index directory
  std::string m_hoi;        // supplement
  std::string m_biling;     // bilingual corpus
  std::string m_proper;     // proper nouns
  std::string m_ryaku;      // abbreviations
  std::string m_tech;       // technical terms

  // What the dialog shows when it opens: section "FENGDIC" of the profile, read in the order
  // "FileNames", "Hoi", "Proper", "Tech", "Ryaku", "Biling", "Directory", "IndexDir"; an empty
  // general name becomes "FENG5*.*", an empty directory or index directory the current
  // directory with a trailing backslash.
  static FengDicValues Load(platform::Profile& profile);

  // What OK writes: section "FENGDIC" in the order "FileNames", "Hoi", "Tech", "Proper",
  // "Ryaku", "Biling", "Directory", "IndexDir", then "Current"/"IndexDir" = m_indexDir.
  void Save(platform::Profile& profile) const;
};

}  // namespace building

#endif  // INDEXER_BUILDING_FENG_DIC_VALUES_H_

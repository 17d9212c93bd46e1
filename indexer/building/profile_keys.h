#ifndef INDEXER_BUILDING_PROFILE_KEYS_H_
#define INDEXER_BUILDING_PROFILE_KEYS_H_

#include <span>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace building {

// Every section and key the program keeps in its application profile, with its type and the
// value a read gives when the key is absent. Other code names keys only through this table:
//
//   std::string directory = building::ReadString(profile, building::profile_keys::kFengDirectory);
//
// Directory values ("Directory", "DirName", "IndexDir") are plain prefixes that end with a
// backslash: file names are appended to them without a separator. Nothing is validated when
// read. Dialogs may show their own defaults for empty values (the English-Japanese dialog shows
// "FENG5*.*" and the current directory); the profile's default is the empty string.
//
// "qvxindex.ini" of an index directory holds the same "FileID" and "Length" keys for programs
// that read the index; the program itself never reads it (source_file_registry.h writes it).

enum class ProfileValueType { kString, kInteger };

struct ProfileKey {
  std::string_view section;
  std::string_view key;
  ProfileValueType type;
  std::string_view default_string;  // for kString
  int default_integer;              // for kInteger
};

namespace profile_keys {

using enum ProfileValueType;

// The English-Japanese build's dialog: one file name or wildcard pattern per kind of source.
inline constexpr ProfileKey kFengFileNames{"FENGDIC", "FileNames", kString, "", 0};
inline constexpr ProfileKey kFengTech{"FENGDIC", "Tech", kString, "", 0};
inline constexpr ProfileKey kFengProper{"FENGDIC", "Proper", kString, "", 0};
inline constexpr ProfileKey kFengRyaku{"FENGDIC", "Ryaku", kString, "", 0};
inline constexpr ProfileKey kFengHoi{"FENGDIC", "Hoi", kString, "", 0};
inline constexpr ProfileKey kFengBiling{"FENGDIC", "Biling", kString, "", 0};
// The dictionary directory of the English-Japanese build.
inline constexpr ProfileKey kFengDirectory{"FENGDIC", "Directory", kString, "", 0};
// Its index directory; also where the text dump and the merge command look.
inline constexpr ProfileKey kFengIndexDir{"FENGDIC", "IndexDir", kString, "", 0};

// The Japanese-English build's dialog (mode 0).
inline constexpr ProfileKey kJapaneseEnglishFileName{"Japanese-English", "FileName", kString, "", 0};
inline constexpr ProfileKey kJapaneseEnglishDirName{"Japanese-English", "DirName", kString, "", 0};
inline constexpr ProfileKey kJapaneseEnglishIndexDir{"Japanese-English", "IndexDir", kString, "", 0};

// The generic build's dialog (mode 1).
inline constexpr ProfileKey kGenericFileName{"Generic", "FileName", kString, "", 0};
inline constexpr ProfileKey kGenericDirName{"Generic", "DirName", kString, "", 0};
inline constexpr ProfileKey kGenericIndexDir{"Generic", "IndexDir", kString, "", 0};

// The index directory of the most recently confirmed build: where consolidation writes the
// letter index files and the word list, and where the test search looks.
inline constexpr ProfileKey kCurrentIndexDir{"Current", "IndexDir", kString, "", 0};

// Written by no operation of the program; consolidation does nothing when both this and
// "Current"/"IndexDir" are empty.
inline constexpr ProfileKey kMergedFilename{"Merged", "Filename", kString, "", 0};

// The longest upper-cased full source path and the longest source file name (without
// directory) of the most recent build, in bytes. Written at the end of every build; read by no
// operation of the program (0 is only what a read of an absent key gives).
inline constexpr ProfileKey kLengthMaxFullPath{"Length", "MaxFullPath", kInteger, "", 0};
inline constexpr ProfileKey kLengthMaxFilename{"Length", "MaxFilename", kInteger, "", 0};

// Whether the test search shows its results in tag form: 0 or 1.
inline constexpr ProfileKey kOptionTagForm{"Option", "TagForm", kInteger, "", 0};

}  // namespace profile_keys

// The source-file table: section "FileID", one key per file ID in decimal ("%d": "0", "12",
// never zero-filled), the value the upper-cased full path of the source file that held that ID
// in the most recent build that reached it. Absent IDs read as the empty string.
inline constexpr std::string_view kFileIdSection = "FileID";
std::string FileIdKey(int file_id);

// The recent-file list the desktop program keeps: section "Recent File List", keys "File1" to
// "File4".
inline constexpr std::string_view kRecentFileSection = "Recent File List";
inline constexpr int kRecentFileCount = 4;
std::string RecentFileKey(int number);

// The three values of the Japanese-English and generic build dialogs, by dialog mode
// (0 Japanese-English, 1 generic; any other value is taken as 0, as the dialog does).
struct FileSelectionKeys {
  ProfileKey file_name;
  ProfileKey dir_name;
  ProfileKey index_dir;
};
const FileSelectionKeys& FileSelectionKeysOfMode(int mode);

// Every fixed key above, in the order of the table.
std::span<const ProfileKey> AllProfileKeys();

// Reads and writes through the table, with its defaults.
std::string ReadString(platform::Profile& profile, const ProfileKey& key);
int ReadInt(platform::Profile& profile, const ProfileKey& key);
void WriteString(platform::Profile& profile, const ProfileKey& key, std::string_view value);
void WriteInt(platform::Profile& profile, const ProfileKey& key, int value);

}  // namespace building

#endif  // INDEXER_BUILDING_PROFILE_KEYS_H_

#ifndef INDEXER_BUILDING_SOURCE_FILE_REGISTRY_H_
#define INDEXER_BUILDING_SOURCE_FILE_REGISTRY_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/profiles.h"

namespace building {

// The name of the source-file table an index directory carries for programs that read its
// index.
inline constexpr std::string_view kIndexProfileName = "qvxindex.ini";

// The source-file table of one build: it registers each source file under its file ID in the
// application profile and in "qvxindex.ini" of the build's index directory, and records the
// build's two lengths at its end. The calls, in this order, are:
//
// Register(file_id, path):
//   1. application profile: "FileID"/<file_id in decimal> = path (string write);
//   2. "qvxindex.ini":      the same section, key and value;
//   3. flush "qvxindex.ini".
// RecordLengths(longest_path, longest_name):
//   1. application profile: "Length"/"MaxFullPath" = longest_path (integer write);
//   2. "qvxindex.ini":      "Length"/"MaxFullPath" = the same number as decimal text;
//   3. application profile: "Length"/"MaxFilename" = longest_name as decimal text (string
//      write);
//   4. "qvxindex.ini":      "Length"/"MaxFilename" = the same text;
//   5. flush "qvxindex.ini".
//
// "qvxindex.ini" is the index directory followed by that name, without a separator (the
// directory is a prefix that ends with a backslash); an empty index directory makes it a bare
// name, which lands beside the application profile (profiles.h). An entry is overwritten only by
// a later registration of the same ID: entries of higher IDs from an earlier, larger build stay.
// A write that fails throws platform::FileError; the writes made before it stay.
class SourceFileRegistry {
 public:
  SourceFileRegistry(platform::Profiles& profiles, std::string_view index_directory);

  // The path of the index directory's table: index directory + "qvxindex.ini".
  const std::string& index_profile_path() const { return index_profile_path_; }

  void Register(std::int16_t file_id, std::string_view source_path);
  void RecordLengths(std::int32_t longest_path, std::int32_t longest_name);

  // The source path registered under `file_id` in `application_profile`; empty when none is.
  // What the test search and the text dump show for a file ID.
  static std::string SourcePathOf(platform::Profile& application_profile, int file_id);

 private:
  platform::Profiles& profiles_;
  std::string index_profile_path_;
};

}  // namespace building

#endif  // INDEXER_BUILDING_SOURCE_FILE_REGISTRY_H_

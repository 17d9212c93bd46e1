#ifndef INDEXER_PLATFORM_DIRECTORY_LISTING_H_
#define INDEXER_PLATFORM_DIRECTORY_LISTING_H_

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The system's directory listing, as list boxes of file names are filled. A listing is asked
// for with a pattern: a directory prefix followed by a name that may hold the wildcards of
// wildcard.h ("C:\DIC\FENG5*.*"); without a prefix the current directory is listed. Names come
// back without directory, in code page 932 (see ProgramNameOfHost), in this order: ascending by
// the upper-cased name, ties by the name itself, ties by the host name (the order a
// case-insensitive file system gives).
//
// What the host's names mean here:
//   - hidden: a name beginning with a period;
//   - read-only: a regular file whose owner has no write permission;
//   - a symbolic link counts as what it points to; a dangling one is never listed.
// A directory that does not exist or cannot be read gives an empty listing, as does a drive
// other than C:.

enum class ReadOnlyFiles { kIncluded, kExcluded };

// The ordinary (and, unless excluded, read-only) regular files that match. Hidden files,
// directories and other non-regular files are never listed.
std::vector<std::string> ListFiles(std::string_view pattern,
                                   ReadOnlyFiles read_only = ReadOnlyFiles::kIncluded);

// The subdirectories that match, as "[NAME]", and "[..]" for the parent directory unless the
// directory is the root (".." matches "*.*" and "*"). Hidden directories are not listed.
// "[..]" comes first, the rest in the order above.
std::vector<std::string> ListSubdirectories(std::string_view pattern);

// The drives, as "[-c-]": drive C: is the only one.
std::vector<std::string> ListDrives();

}  // namespace platform

#endif  // INDEXER_PLATFORM_DIRECTORY_LISTING_H_

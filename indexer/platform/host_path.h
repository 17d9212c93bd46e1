#ifndef INDEXER_PLATFORM_HOST_PATH_H_
#define INDEXER_PLATFORM_HOST_PATH_H_

#include <string>
#include <string_view>

namespace platform {

// The program names files with Windows paths in code page 932: backslash separators, drive
// letters, upper-cased whole paths. These functions map such a path onto the host file system:
//   - drive C: is the host root ("C:\tmp\dic\FENG5A.TXT" names /tmp/dic/FENG5A.TXT), a path that
//     begins with one backslash is on drive C:, other drive letters do not exist;
//   - a relative path is relative to the process's current directory;
//   - a path already in host form (beginning with '/') is taken as it is;
//   - a byte 0x5C that is the second byte of a double-byte character is never a separator;
//   - host names are UTF-8, program names are code page 932.
//
// Components are resolved one by one: the exact name first; when it is absent, a name that
// matches with ASCII letter case ignored (the first such name in byte order). That is what lets
// an upper-cased path open a file whose name on disk is in lower case.

// The host path of an existing file or directory. When some component does not exist the result
// is the best mapping (unresolved components kept as given), so that opening it fails with the
// system's own error.
std::string ResolveHostPath(std::string_view program_path);

// The host path under which a file is to be created: every directory component is resolved as
// above, and the last component reuses an existing name that matches case-insensitively, else is
// the name as given.
std::string ResolveHostPathForCreation(std::string_view program_path);

}  // namespace platform

#endif  // INDEXER_PLATFORM_HOST_PATH_H_

#ifndef INDEXER_PLATFORM_HOST_PATH_H_
#define INDEXER_PLATFORM_HOST_PATH_H_

#include <string>
#include <string_view>

namespace platform {

// The program names files with Windows paths in code page 932: backslash separators, drive
// letters, upper-cased whole paths. These functions map such a path onto the host file system:
//   - drive C: is the host root ("C:\tmp\dic\FENG5A.TXT" names /tmp/dic/FENG5A.TXT), a path that
//     begins with one backslash is on drive C:, other drive letters do not exist (such a path
//     maps to the empty host path, which every system call refuses with "No such file or
//     directory");
//   - a relative path is relative to the process's current directory ("C:NAME" too, since the
//     current directory is always on drive C:);
//   - a path already in host form (beginning with '/') is accepted as well;
//   - '/' is a separator like the backslash; a byte 0x5C that is the second byte of a
//     double-byte character is never a separator; empty components ("C:\\a\\\\b") are skipped;
//     a trailing separator is kept, so "C:\IDX\" never names a file "IDX";
//   - host names are UTF-8, program names are code page 932. Bytes that do not form a CP932
//     character are kept as they are in the host name, so no two program names share one.
//
// Components are resolved one by one: the exact name first; when it is absent, a name whose
// program form (see ProgramNameOfHost) matches exactly, then one that matches with ASCII letter
// case ignored; among several, the first in byte order of the host names. That is what lets an
// upper-cased path open a file whose name on disk is in lower case, and a name listed with '?'
// (a host name that is not valid UTF-8) open the file it was listed for.

// The host path of an existing file or directory. When some component does not exist the result
// is the best mapping (unresolved components kept as given), so that opening it fails with the
// system's own error.
std::string ResolveHostPath(std::string_view program_path);

// The host path under which a file is to be created: every directory component is resolved as
// above, and the last component reuses an existing name that matches case-insensitively, else is
// the name as given.
std::string ResolveHostPathForCreation(std::string_view program_path);

// The host path of the program name `name` (one component, no separators) inside the host
// directory `host_directory`, resolved as a component above.
std::string ResolveHostNameIn(const std::string& host_directory, std::string_view name);

// The program's name for a host file name: UTF-8 converted to code page 932, '?' for what it
// cannot represent (characters outside the code page, bytes that are not valid UTF-8).
std::string ProgramNameOfHost(std::string_view host_name);

// The program path of an absolute host path: "/home/me/dic" is "C:\home\me\dic", "/" is "C:\".
std::string ProgramPathOfHost(std::string_view host_path);

// An absolute host directory as the program keeps directory values: its program path followed
// by exactly one backslash ("/home/me/dic" is "C:\home\me\dic\", "/" is "C:\"). Whether a
// separator is already there is read from the host path, so a name whose last character has
// the second byte 0x5C (such as "表") still gets its backslash.
std::string ProgramDirectoryOfHost(std::string_view host_directory);

}  // namespace platform

#endif  // INDEXER_PLATFORM_HOST_PATH_H_

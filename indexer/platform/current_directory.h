#ifndef INDEXER_PLATFORM_CURRENT_DIRECTORY_H_
#define INDEXER_PLATFORM_CURRENT_DIRECTORY_H_

#include <string>
#include <string_view>

namespace platform {

// The process's current directory, seen as the program sees directories: a Windows path of
// drive C:, which is the host root. The root reads "C:\", any other directory without a
// trailing backslash ("C:\home\me\dic"). Empty when the system cannot tell (the directory has
// been removed).
std::string CurrentDirectory();

// The current directory followed by one backslash, as directory values are kept ("C:\" at the
// root, "C:\home\me\dic\" elsewhere; see ProgramDirectoryOfHost); empty when the system cannot
// tell.
std::string CurrentDirectoryPrefix();

// The process's current directory as a host path; empty when the system cannot tell.
std::string HostCurrentDirectory();

// Makes the directory named by the program path `path` current (see host_path.h for how it is
// found). False when it does not exist or cannot be entered; the current directory then stays.
bool ChangeCurrentDirectory(std::string_view path);

// Makes a drive current: 1 is A:, 3 is C:. Only C: exists, so only 3 succeeds, and it changes
// nothing, since the current directory is always on C:.
bool ChangeCurrentDrive(int drive);

// The current drive's number: always 3 (C:).
int CurrentDrive();

}  // namespace platform

#endif  // INDEXER_PLATFORM_CURRENT_DIRECTORY_H_

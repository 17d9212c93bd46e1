#ifndef ZENTU_HOST_H_
#define ZENTU_HOST_H_

#include <cstddef>

namespace zentu::host {

// The few system services the library needs, over the host's file system. Programs see Windows
// paths in code page 932: drive C: is the host root ("C:\home\me" names /home/me), and it is the
// only drive and always the current one. Host names are UTF-8; they are converted to code page
// 932 on the way in, and code page 932 names back to UTF-8 on the way out.

// Code page information, as the system reports it for a code page: its number and its
// lead-byte ranges as pairs of first and last byte, ended by a pair of zeros.
struct CodePageInfo {
  int code_page = 0;
  unsigned char lead_byte_ranges[12] = {};
};

// The information of the OEM code page, which for this library is 932. False when the host
// cannot convert that code page (iconv has no "CP932"); `info` is then left empty.
bool GetOemCodePageInfo(CodePageInfo& info);

// Drive numbers count from 1 for A:. C: (3) is the only drive.
constexpr int kDriveC = 3;
int CurrentDrive();
// Makes `drive` current. Only C: exists, so only 3 succeeds (and changes nothing).
bool ChangeDrive(int drive);

// Writes the current directory as a Windows path into out: "C:\" for the root, else
// "C:\home\me" without a trailing backslash. False, with out empty, when the directory cannot be
// read or the path with its NUL does not fit in `size` bytes.
bool CurrentDirectory(char* out, std::size_t size);

// Attribute bytes of a find-first search.
constexpr int kAttributeReadOnly = 0x01;
constexpr int kAttributeHidden = 0x02;    // the name begins with a period
constexpr int kAttributeDirectory = 0x10;
constexpr int kAttributeArchive = 0x20;   // every file that is not a directory

// A find-first search that includes directories: the attribute byte of the first entry that
// `program_path` names, or -1 when there is none. The last component may hold the wildcards '*'
// and '?' (letter case ignored; "." and ".." never match; the first match in the order of
// upper-cased names is taken). Components are found by their exact name first, else by a name
// that matches with ASCII letter case ignored. A plain directory has the byte 0x10 exactly.
int FindFirst(const char* program_path);

}  // namespace zentu::host

#endif  // ZENTU_HOST_H_

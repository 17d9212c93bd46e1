// _parse_filename: resolves a path against the current directory into a directory (ending in a
// backslash) and a file name or wildcard pattern.

#include <cstring>

#include "zentu/byte_classes.h"
#include "zentu/host.h"
#include "zentu/zentu.h"

using namespace zentu;

namespace {

constexpr char kAllFiles[] = "*.*";

// Writes the current directory of `drive` into dir with exactly one trailing backslash, the way
// the system gives it: make the drive current, read the current directory, make the previous
// drive current again. Failures are not reported: a drive that cannot be made current leaves the
// current drive's directory, and an unreadable directory reads as the empty string.
void CurrentDirectoryOfDrive(int drive, char* dir) {
  const int previous = host::CurrentDrive();
  host::ChangeDrive(drive);
  const bool read = host::CurrentDirectory(dir, ZENTU_CURRENT_DIRECTORY_MAX - 1);
  host::ChangeDrive(previous);
  if (!read) {
    dir[0] = '\0';
    return;
  }
  // The last byte may be 0x5C as the second byte of a double-byte character, which is no
  // separator: decide by walking the characters.
  const unsigned char* bytes = Bytes(dir);
  bool ends_with_backslash = false;
  std::size_t length = 0;
  while (bytes[length] != 0) {
    ends_with_backslash = bytes[length] == '\\';
    length += static_cast<std::size_t>(CharacterLength(bytes + length));
  }
  if (!ends_with_backslash) std::strcpy(dir + length, "\\");
}

int DriveNumber(char letter) { return static_cast<unsigned char>(letter) - 0x40; }

// Full-width small letters 0x8281-0x829A become the capitals 0x8260-0x8279, in place.
void CapitalizeFullWidthLetters(unsigned char* path) {
  for (std::size_t i = 0; path[i] != 0;) {
    const int length = CharacterLength(path + i);
    if (length == 2 && path[i] == 0x82 && path[i + 1] >= 0x81 && path[i + 1] <= 0x9A) {
      path[i + 1] = static_cast<unsigned char>(path[i + 1] - 0x21);
    }
    i += static_cast<std::size_t>(length);
  }
}

struct PathShape {
  bool has_colon = false;
  bool has_backslash = false;
  std::size_t last_backslash = 0;  // valid when has_backslash
};

// Colons and backslashes of path, outside double-byte characters.
PathShape ShapeOf(const unsigned char* path) {
  PathShape shape;
  for (std::size_t i = 0; path[i] != 0;) {
    if (path[i] == ':') shape.has_colon = true;
    if (path[i] == '\\') {
      shape.has_backslash = true;
      shape.last_backslash = i;
    }
    i += static_cast<std::size_t>(CharacterLength(path + i));
  }
  return shape;
}

void CopyPrefix(char* out, const char* text, std::size_t length) {
  std::memmove(out, text, length);
  out[length] = '\0';
}

}  // namespace

extern "C" ZENTU_API int _parse_filename(char* dir, char* name, char* path) {
  unsigned char* bytes = Bytes(path);
  CapitalizeFullWidthLetters(bytes);
  const std::size_t length = std::strlen(path);
  const int current_drive = host::CurrentDrive();

  if (length == 0) {
    CurrentDirectoryOfDrive(current_drive, dir);
    std::strcpy(name, kAllFiles);
    return 0;
  }
  if (length == 2 && path[1] == ':') {  // "C:"
    CurrentDirectoryOfDrive(DriveNumber(path[0]), dir);
    std::strcpy(name, kAllFiles);
    return 0;
  }
  if (length >= 4 && path[1] == ':' && path[2] != '\\') {  // "C:FOO"
    CurrentDirectoryOfDrive(DriveNumber(path[0]), dir);
    std::strcpy(name, path + 2);
    return 0;
  }

  const PathShape shape = ShapeOf(bytes);
  if (!shape.has_backslash) {
    if (path[1] == ':') {  // "C:X": a drive, a colon and one byte, read as "C:FOO"
      CurrentDirectoryOfDrive(DriveNumber(path[0]), dir);
      std::strcpy(name, path + 2);
    } else {  // a bare name (with a colon elsewhere or none)
      CurrentDirectoryOfDrive(current_drive, dir);
      std::strcpy(name, path);
    }
    return 0;
  }

  const std::size_t last = shape.last_backslash;
  const char* tail = path + last + 1;

  if (last == 0 && path[1] != ':') {  // "\NAME": NAME is looked up in the current directory
    CurrentDirectoryOfDrive(current_drive, dir);
    const int attributes = host::FindFirst(tail);
    if (attributes < 0) return 1;
    if (attributes == host::kAttributeDirectory) {
      std::strcat(dir, tail);
      std::strcat(dir, "\\");
      std::strcpy(name, kAllFiles);
    } else {
      std::strcpy(name, tail);
    }
    return 0;
  }

  if (*tail == '\0') {  // the path names a directory
    if (path[1] == ':') {  // "C:\DIR\"
      std::memmove(dir, path, length + 1);
    } else if (path[0] == '\\') {  // "\DIR\"
      CurrentDirectoryOfDrive(current_drive, dir);
      std::strcat(dir, path + 1);
    } else {  // "DIR\"
      const char drive_root[] = {static_cast<char>('A' + current_drive - 1), ':', '\\', '\0'};
      std::memmove(dir + 3, path, length + 1);
      std::memcpy(dir, drive_root, 3);
    }
    std::strcpy(name, kAllFiles);
    return 0;
  }

  if (std::strpbrk(tail, "?*") != nullptr) {  // a wildcard pattern in a directory
    std::strcpy(name, tail);
    CopyPrefix(dir, path, last + 1);
    return 0;
  }

  const int attributes = host::FindFirst(path);
  if (attributes < 0) return 1;  // nothing of that name: neither dir nor name is written
  if (attributes == host::kAttributeDirectory) {
    std::memmove(dir, path, length);
    std::strcpy(dir + length, "\\");
    std::strcpy(name, kAllFiles);
  } else {
    std::strcpy(name, tail);
    CopyPrefix(dir, path, last + 1);
  }
  return 0;
}

// Directory, file name and extension of a Shift-JIS path. The path is read in place, without a
// work buffer, so paths of any length are handled whole.

#include <cstring>

#include "zentu/byte_classes.h"
#include "zentu/zentu.h"

using namespace zentu;

namespace {

// The offset of the byte after the last backslash of path that is a character of its own (a
// 0x5C that is the second byte of a double-byte character does not count); 0 without one.
std::size_t FileNameOffset(const unsigned char* path) {
  std::size_t offset = 0;
  for (std::size_t i = 0; path[i] != 0;) {
    if (path[i] == '\\') offset = i + 1;
    i += static_cast<std::size_t>(CharacterLength(path + i));
  }
  return offset;
}

// Copies [from, from + length) to out with its ASCII letters in upper case, walking by
// characters from `from`, which is a character boundary. out may be at or before `from`: each
// character is read before it is written.
void CopyUpperCase(char* out, const char* from, std::size_t length) {
  const unsigned char* in = Bytes(from);
  unsigned char* to = Bytes(out);
  std::size_t i = 0;
  while (i < length) {
    const unsigned char c = in[i];
    if (IsLeadByte(c) && i + 1 < length) {
      const unsigned char second = in[i + 1];
      to[i] = c;
      to[i + 1] = second;
      i += 2;
    } else {
      to[i] = IsLowerCase(c) ? static_cast<unsigned char>(c - 0x20) : c;
      ++i;
    }
  }
  to[length] = 0;
}

}  // namespace

extern "C" ZENTU_API int _GetDirectory(const char* path, char* out) {
  CopyUpperCase(out, path, FileNameOffset(Bytes(path)));
  return 0;
}

extern "C" ZENTU_API int _GetFilename(const char* path, char* out) {
  const std::size_t offset = FileNameOffset(Bytes(path));
  const char* name = path + offset;
  CopyUpperCase(out, name, std::strlen(name));
  return 0;
}

extern "C" ZENTU_API int _GetExtension(const char* path, char* out) {
  const char* name = path + FileNameOffset(Bytes(path));
  if (name[0] == '.') return 0;
  // Single bytes are compared: 0x2E is never a trail byte, and whichever way it is read, the byte
  // after it starts a character.
  const char* period = std::strrchr(name, '.');
  if (period == nullptr) return 0;
  CopyUpperCase(out, period + 1, std::strlen(period + 1));
  return 0;
}

#ifndef INDEXER_PLATFORM_PROFILE_H_
#define INDEXER_PLATFORM_PROFILE_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// One initialisation file seen through the system's profile calls: read a string or an integer
// of a section and key with a default, write a string or an integer, flush. Sections and keys
// are found regardless of ASCII letter case; values are code page 932 bytes, unconverted.
// ProfileFile is the file on disk; RecordingProfiles wraps one to record the calls made.
class Profile {
 public:
  // The longest value a read returns (the system's read buffer of 260 bytes with its NUL).
  static constexpr std::size_t kMaxValueLength = 259;

  virtual ~Profile() = default;

  // The value of `key` in `section`, or `default_value` when the key is absent. A key present
  // with an empty value reads as empty. At most kMaxValueLength bytes: a longer value is cut,
  // and never inside a double-byte character (it is then one byte shorter), so the result never
  // ends in a lone lead byte.
  virtual std::string GetString(std::string_view section, std::string_view key,
                                std::string_view default_value) = 0;

  // The value read as the system reads numbers: blanks, an optional '+' or '-', then decimal
  // digits, read as far as they go ("12abc" is 12, "0x10" is 0, " -3" is -3). A value beyond
  // the range of int stops at its limit. `default_value` when the key is absent or its value
  // does not begin with a number (empty, "abc", "-").
  virtual int GetInt(std::string_view section, std::string_view key, int default_value) = 0;

  virtual void WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
  // Writes the number as decimal text ("%d").
  virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;

  // The system's flushing call (a write with section, key and value all absent): when it
  // returns, everything written before is on disk.
  virtual void Flush() = 0;
};

// The integer rule of GetInt, for implementations: `value` as read (blanks already removed or
// not), `default_value` when it does not begin with a number.
int ParseProfileInt(std::string_view value, int default_value);

// The length rule of GetString, for implementations.
std::string CutProfileValue(std::string value);

}  // namespace platform

#endif  // INDEXER_PLATFORM_PROFILE_H_

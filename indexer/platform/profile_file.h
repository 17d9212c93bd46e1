#ifndef INDEXER_PLATFORM_PROFILE_FILE_H_
#define INDEXER_PLATFORM_PROFILE_FILE_H_

#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_document.h"
#include "platform/profile.h"

namespace platform {

// An initialisation file on disk, in the format of ini_document.h.
//
// Reads see the file as it is now: its parsed text is kept and read again only when the file
// has changed (another inode, size or time) or when this process has written any profile file
// since. Every write reads the file, changes one line and replaces the whole file in one rename
// of a temporary written to disk first, all before it returns: a crash never leaves a half
// written file, other lines are kept byte for byte, and Flush() has nothing left to write.
//
// Failures. A missing file reads as empty. A file that exists but cannot be read (a directory,
// no permission) reads as empty as well, and a write to it throws FileError instead of
// replacing what it could not read. A write that cannot create or replace the file throws
// FileError, naming the file by its program path. (The system's own profile calls fail
// silently; a build would then go on with a profile that no longer names its index.)
class ProfileFile final : public Profile {
 public:
  // The file at a host path (UTF-8, taken as it is), such as the application profile. With
  // `create_folders` a write first creates the missing folders of the path.
  static std::unique_ptr<ProfileFile> AtHostPath(std::string host_path, bool create_folders);
  // The file named by a program path, found anew at every access (see host_path.h).
  static std::unique_ptr<ProfileFile> AtProgramPath(std::string path);
  // The file named `name` (a program name) in the host folder `host_folder`.
  static std::unique_ptr<ProfileFile> InHostFolder(std::string host_folder, std::string name,
                                                   bool create_folders);

  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value) override;
  int GetInt(std::string_view section, std::string_view key, int default_value) override;
  void WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override;
  void WriteInt(std::string_view section, std::string_view key, int value) override;
  void Flush() override;

  // How errors name the file: its program path.
  std::string DisplayPath() const;

 private:
  enum class Naming { kHostPath, kProgramPath, kInHostFolder };
  ProfileFile(Naming naming, std::string first, std::string second, bool create_folders);

  std::string HostPath() const;
  // Brings the kept text up to date with the file at `host_path`.
  void Refresh(const std::string& host_path);
  std::optional<std::string> Find(std::string_view section, std::string_view key);

  Naming naming_;
  std::string path_;  // host path, program path, or host folder
  std::string name_;  // for kInHostFolder
  bool create_folders_;

  // What was read, and how the file looked when it was.
  bool loaded_ = false;
  std::string loaded_host_path_;
  struct stat loaded_stat_ {};
  bool loaded_existed_ = false;
  std::uint64_t loaded_generation_ = 0;
  int unreadable_error_ = 0;  // errno of a file that exists but cannot be read
  IniDocument document_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_PROFILE_FILE_H_

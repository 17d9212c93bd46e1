#include "platform/profile_file.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/file.h"
#include "platform/file_error.h"
#include "platform/host_path.h"

namespace platform {
namespace {

// Counts the profile writes of this process, so that every ProfileFile re-reads after one,
// whatever the file system's time stamps can tell apart.
std::atomic<std::uint64_t> write_generation{0};

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
         a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

std::string ReadWhole(File& file) {
  std::string text;
  char chunk[1 << 14];
  while (std::size_t got = file.ReadSome(chunk, sizeof chunk)) text.append(chunk, got);
  return text;
}

}  // namespace

std::unique_ptr<ProfileFile> ProfileFile::AtHostPath(std::string host_path,
                                                     bool create_folders) {
  return std::unique_ptr<ProfileFile>(
      new ProfileFile(Naming::kHostPath, std::move(host_path), std::string(), create_folders));
}

std::unique_ptr<ProfileFile> ProfileFile::AtProgramPath(std::string path) {
  return std::unique_ptr<ProfileFile>(
      new ProfileFile(Naming::kProgramPath, std::move(path), std::string(), false));
}

std::unique_ptr<ProfileFile> ProfileFile::InHostFolder(std::string host_folder, std::string name,
                                                       bool create_folders) {
  return std::unique_ptr<ProfileFile>(new ProfileFile(
      Naming::kInHostFolder, std::move(host_folder), std::move(name), create_folders));
}

ProfileFile::ProfileFile(Naming naming, std::string first, std::string second,
                         bool create_folders)
    : naming_(naming),
      path_(std::move(first)),
      name_(std::move(second)),
      create_folders_(create_folders) {}

std::string ProfileFile::HostPath() const {
  switch (naming_) {
    case Naming::kHostPath:
      return path_;
    case Naming::kProgramPath:
      return ResolveHostPath(path_);
    case Naming::kInHostFolder:
      return ResolveHostNameIn(path_, name_);
  }
  return path_;
}

std::string ProfileFile::DisplayPath() const {
  switch (naming_) {
    case Naming::kProgramPath:
      return path_;
    case Naming::kInHostFolder:
      return ProgramDirectoryOfHost(path_) + name_;
    case Naming::kHostPath:
      break;
  }
  return ProgramPathOfHost(path_);
}

void ProfileFile::Refresh(const std::string& host_path) {
  struct stat info {};
  bool exists = ::stat(host_path.c_str(), &info) == 0;
  int stat_error = exists ? 0 : errno;
  if (loaded_ && loaded_generation_ == write_generation && loaded_host_path_ == host_path &&
      loaded_existed_ == exists && (!exists || SameFile(info, loaded_stat_))) {
    return;
  }
  loaded_ = false;
  document_ = IniDocument();
  unreadable_error_ = 0;
  if (exists) {
    std::optional<File> file = File::TryOpenHostFileForReading(host_path, DisplayPath());
    if (!file) {
      unreadable_error_ = errno;
    } else {
      document_ = IniDocument(ReadWhole(*file));  // a read error throws and leaves nothing kept
    }
  } else if (stat_error != ENOENT && stat_error != ENOTDIR) {
    unreadable_error_ = stat_error;
  }
  loaded_ = true;
  loaded_host_path_ = host_path;
  loaded_stat_ = info;
  loaded_existed_ = exists;
  loaded_generation_ = write_generation;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) {
  Refresh(HostPath());
  return document_.Find(section, key);
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view default_value) {
  std::optional<std::string> value = Find(section, key);
  return CutProfileValue(value ? std::move(*value) : std::string(default_value));
}

int ProfileFile::GetInt(std::string_view section, std::string_view key, int default_value) {
  std::optional<std::string> value = Find(section, key);
  return value ? ParseProfileInt(*value, default_value) : default_value;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  std::string host_path = HostPath();
  loaded_ = false;  // whatever happens below, read the file again next time
  Refresh(host_path);
  if (unreadable_error_ != 0) throw FileError(DisplayPath(), "read", unreadable_error_);
  document_.Set(section, key, value);
  ++write_generation;
  loaded_ = false;
  if (create_folders_) {
    std::filesystem::path folder = std::filesystem::path(host_path).parent_path();
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) throw FileError(DisplayPath(), "create the folder of", error.value());
  }
  std::string text = document_.Text();
  File file = File::CreateReplacingHostFile(host_path, DisplayPath());
  file.WriteAll(text.data(), text.size());
  file.Commit();
  // What is kept is what was written.
  struct stat info {};
  if (::stat(host_path.c_str(), &info) == 0) {
    loaded_ = true;
    loaded_host_path_ = host_path;
    loaded_stat_ = info;
    loaded_existed_ = true;
    loaded_generation_ = write_generation;
  }
}

void ProfileFile::WriteInt(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void ProfileFile::Flush() {
  // Every write has replaced the file before returning; nothing is held back.
}

}  // namespace platform

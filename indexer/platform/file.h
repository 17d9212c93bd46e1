#ifndef INDEXER_PLATFORM_FILE_H_
#define INDEXER_PLATFORM_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// An open file of the host, named by a program path (see host_path.h). Unbuffered: the archive
// and the text reader put their own large buffers in front of it.
//
// Every failure throws FileError naming the program path, except TryOpenForReading, which
// reports failure by its empty result. Directories and other non-regular files are never opened
// as files. A File is movable, not copyable; destroying an open file closes it without reporting
// errors (call Close() to learn of them).
//
// Replacing files: CreateReplacing() writes into a temporary file in the same folder as the
// target; Commit() makes it the target in one rename, so readers never see a half-written file.
// A replacing file destroyed or closed without Commit() removes its temporary and leaves the
// target as it was. The new file keeps the permission bits of the file it replaces.
class File {
 public:
  static File OpenForReading(std::string_view path);
  static std::optional<File> TryOpenForReading(std::string_view path);
  // Creates the file, or truncates it when it exists.
  static File Create(std::string_view path);
  static File CreateReplacing(std::string_view path);

  // The same for a file named directly by its host path (UTF-8, no resolution), such as the
  // application profile in the user's configuration folder; `path` is how errors name it.
  static std::optional<File> TryOpenHostFileForReading(std::string host_path, std::string path);
  static File CreateReplacingHostFile(std::string host_path, std::string path);

  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  // Reads up to `size` bytes; returns 0 only at the end of the file.
  std::size_t ReadSome(void* buffer, std::size_t size);
  void WriteAll(const void* data, std::size_t size);
  // Positions the file `offset` bytes from its start.
  void SeekTo(std::uint64_t offset);
  void Close();
  // For a file made by CreateReplacing: writes it to disk, closes it and renames it over the
  // target. Throws FileError when any of that fails (the temporary is then removed).
  void Commit();
  // Commit() without writing the file to disk first: the rename is as atomic for every reader,
  // but after a system crash the target may hold the old file or an empty or partial new one.
  // For files the program can make again, where a flush per file would only cost time.
  void CommitWithoutSync();

  bool is_open() const { return fd_ >= 0; }
  // The program path the file was opened with.
  const std::string& path() const { return path_; }

 private:
  File(int fd, std::string path, std::string host_path, std::string temporary_host_path);
  void Release() noexcept;
  void CommitReplacement(bool sync);

  int fd_ = -1;
  std::string path_;
  std::string host_path_;
  std::string temporary_host_path_;  // non-empty for a replacing file until Commit()
};

// Deletes a file; throws FileError when it cannot.
void DeleteFile(std::string_view path);

// Writes to disk everything the system still holds in memory for the file system that holds
// the directory `directory_path` (a program path; empty for the current directory). Throws
// FileError when that fails. One call makes many files written without a flush durable, before
// the files they were made from are deleted.
void SyncFileSystemOf(std::string_view directory_path);

// Whether a regular file exists under the program path.
bool FileExists(std::string_view path);

}  // namespace platform

#endif  // INDEXER_PLATFORM_FILE_H_

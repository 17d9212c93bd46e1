#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <utility>

#include "platform/file_error.h"
#include "platform/host_path.h"

namespace platform {
namespace {

// Opens a host file for reading and makes sure it is a regular file. Returns -1 with errno set.
int OpenRegularForReading(const std::string& host_path) {
  int fd = ::open(host_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    int saved = errno;
    ::close(fd);
    errno = saved;
    return -1;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return -1;
  }
  return fd;
}

std::string TemporaryNameBeside(const std::string& host_path) {
  static std::mt19937_64 generator{std::random_device{}()};
  std::string::size_type slash = host_path.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : host_path.substr(0, slash + 1);
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".tmp-%d-%08llx", static_cast<int>(::getpid()),
                static_cast<unsigned long long>(generator() & 0xffffffffULL));
  std::string base = slash == std::string::npos ? host_path : host_path.substr(slash + 1);
  return folder + "." + base + suffix;
}

}  // namespace

File::File(int fd, std::string path, std::string host_path, std::string temporary_host_path)
    : fd_(fd),
      path_(std::move(path)),
      host_path_(std::move(host_path)),
      temporary_host_path_(std::move(temporary_host_path)) {}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      host_path_(std::move(other.host_path_)),
      temporary_host_path_(std::move(other.temporary_host_path_)) {
  other.temporary_host_path_.clear();
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    host_path_ = std::move(other.host_path_);
    temporary_host_path_ = std::move(other.temporary_host_path_);
    other.temporary_host_path_.clear();
  }
  return *this;
}

File::~File() { Release(); }

void File::Release() noexcept {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temporary_host_path_.empty()) {
    ::unlink(temporary_host_path_.c_str());
    temporary_host_path_.clear();
  }
}

File File::OpenForReading(std::string_view path) {
  std::optional<File> file = TryOpenForReading(path);
  if (!file) throw FileError(std::string(path), "open", errno);
  return std::move(*file);
}

std::optional<File> File::TryOpenForReading(std::string_view path) {
  return TryOpenHostFileForReading(ResolveHostPath(path), std::string(path));
}

std::optional<File> File::TryOpenHostFileForReading(std::string host_path, std::string path) {
  int fd = OpenRegularForReading(host_path);
  if (fd < 0) return std::nullopt;
  return File(fd, std::move(path), std::move(host_path), std::string());
}

File File::Create(std::string_view path) {
  std::string host_path = ResolveHostPathForCreation(path);
  int fd = ::open(host_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw FileError(std::string(path), "create", errno);
  return File(fd, std::string(path), std::move(host_path), std::string());
}

File File::CreateReplacing(std::string_view path) {
  return CreateReplacingHostFile(ResolveHostPathForCreation(path), std::string(path));
}

File File::CreateReplacingHostFile(std::string host_path, std::string path) {
  if (host_path.empty()) throw FileError(std::move(path), "create", ENOENT);  // no such drive
  struct stat info {};
  bool replaces = ::stat(host_path.c_str(), &info) == 0;
  if (replaces && S_ISDIR(info.st_mode)) throw FileError(std::move(path), "create", EISDIR);
  std::string temporary = TemporaryNameBeside(host_path);
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) throw FileError(std::move(path), "create", errno);
  if (replaces && S_ISREG(info.st_mode)) {
    ::fchmod(fd, info.st_mode & 07777);  // best effort: a failure leaves the default mode
  }
  return File(fd, std::move(path), std::move(host_path), std::move(temporary));
}

std::size_t File::ReadSome(void* buffer, std::size_t size) {
  for (;;) {
    ssize_t got = ::read(fd_, buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) throw FileError(path_, "read", errno);
  }
}

void File::WriteAll(const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t written = ::write(fd_, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw FileError(path_, "write", errno);
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
}

void File::SeekTo(std::uint64_t offset) {
  if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
    throw FileError(path_, "seek in", errno);
  }
}

void File::Close() {
  if (fd_ < 0) return;
  int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0) {
    int saved = errno;
    Release();
    throw FileError(path_, "close", saved);
  }
  Release();  // an uncommitted replacing file leaves the target alone
}

void File::Commit() { CommitReplacement(true); }

void File::CommitWithoutSync() { CommitReplacement(false); }

void File::CommitReplacement(bool sync) {
  if (temporary_host_path_.empty()) {
    Close();
    return;
  }
  if ((sync && ::fsync(fd_) != 0) || ::close(std::exchange(fd_, -1)) != 0) {
    int saved = errno;
    Release();
    throw FileError(path_, "write", saved);
  }
  if (::rename(temporary_host_path_.c_str(), host_path_.c_str()) != 0) {
    int saved = errno;
    Release();
    throw FileError(path_, "replace", saved);
  }
  temporary_host_path_.clear();
}

void DeleteFile(std::string_view path) {
  std::string host_path = ResolveHostPath(path);
  if (::unlink(host_path.c_str()) != 0) throw FileError(std::string(path), "delete", errno);
}

void SyncFileSystemOf(std::string_view directory_path) {
  const std::string host_path = directory_path.empty() ? "." : ResolveHostPath(directory_path);
  int fd = ::open(host_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(std::string(directory_path), "open", errno);
  const int result = ::syncfs(fd);
  const int saved = errno;
  ::close(fd);
  if (result != 0) throw FileError(std::string(directory_path), "write to disk", saved);
}

bool FileExists(std::string_view path) {
  struct stat info {};
  return ::stat(ResolveHostPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace platform

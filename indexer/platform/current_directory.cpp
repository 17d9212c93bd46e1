#include "platform/current_directory.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/host_path.h"

namespace platform {

std::string HostCurrentDirectory() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

std::string CurrentDirectory() {
  const std::string host = HostCurrentDirectory();
  return host.empty() ? std::string() : ProgramPathOfHost(host);
}

std::string CurrentDirectoryPrefix() {
  const std::string host = HostCurrentDirectory();
  return host.empty() ? std::string() : ProgramDirectoryOfHost(host);
}

bool ChangeCurrentDirectory(std::string_view path) {
  std::string host_path = ResolveHostPath(path);
  return !host_path.empty() && ::chdir(host_path.c_str()) == 0;
}

bool ChangeCurrentDrive(int drive) { return drive == 3; }

int CurrentDrive() { return 3; }

}  // namespace platform

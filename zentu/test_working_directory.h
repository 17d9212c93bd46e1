#ifndef ZENTU_TEST_WORKING_DIRECTORY_H_
#define ZENTU_TEST_WORKING_DIRECTORY_H_

#include <unistd.h>

#include <filesystem>
#include <string>

namespace zentu::testing {

// Makes a directory the process's current directory for the life of the object, then restores
// the previous one. For tests only.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::filesystem::path& directory)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
  }
  ~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

// The Windows form, on drive C:, of an absolute host path made of ASCII names.
inline std::string WindowsPathOf(const std::filesystem::path& host_path) {
  std::string path = "C:" + host_path.string();
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace zentu::testing

#endif  // ZENTU_TEST_WORKING_DIRECTORY_H_

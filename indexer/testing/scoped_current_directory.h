#ifndef INDEXER_TESTING_SCOPED_CURRENT_DIRECTORY_H_
#define INDEXER_TESTING_SCOPED_CURRENT_DIRECTORY_H_

#include <filesystem>
#include <system_error>

namespace testing_support {

// Makes `host_directory` the process's current directory for the object's lifetime and restores
// the previous one afterwards, also when a test fails or an exception passes. For tests only.
class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::filesystem::path& host_directory)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(host_directory);
  }
  ~ScopedCurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace testing_support

#endif  // INDEXER_TESTING_SCOPED_CURRENT_DIRECTORY_H_

#ifndef INDEXER_TESTING_TEMP_DIRECTORY_H_
#define INDEXER_TESTING_TEMP_DIRECTORY_H_

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

namespace testing_support {

// A fresh, empty directory under the system's temporary folder, removed with everything in it
// when the object goes away. For tests only.
class TempDirectory {
 public:
  TempDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "indexer-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::filesystem::filesystem_error(
        "mkdtemp", std::error_code(errno, std::generic_category()));
    path_ = pattern;
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The host path of `name` inside the directory.
  std::string operator/(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& host_path, std::string_view bytes) {
  std::ofstream out(host_path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& host_path) {
  std::ifstream in(host_path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support

#endif  // INDEXER_TESTING_TEMP_DIRECTORY_H_

#ifndef ZENTU_TEST_TEXT_H_
#define ZENTU_TEST_TEXT_H_

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace zentu::testing {

// A writable copy of some bytes in a heap block of exactly their size plus the terminating NUL,
// so that AddressSanitizer reports any read or write beyond the NUL. For tests only.
class ExactText {
 public:
  explicit ExactText(std::string_view bytes)
      : size_(bytes.size()), data_(new char[bytes.size() + 1]) {
    std::memcpy(data_.get(), bytes.data(), size_);
    data_[size_] = '\0';
  }

  char* data() { return data_.get(); }
  // The text up to its first NUL.
  std::string str() const { return std::string(data_.get()); }
  // Every byte of the block but the last NUL, including NULs written inside.
  std::string bytes() const { return std::string(data_.get(), size_); }

 private:
  std::size_t size_;
  std::unique_ptr<char[]> data_;
};

}  // namespace zentu::testing

#endif  // ZENTU_TEST_TEXT_H_

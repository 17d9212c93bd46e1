#ifndef INDEXER_PLATFORM_FILE_ERROR_H_
#define INDEXER_PLATFORM_FILE_ERROR_H_

#include <stdexcept>
#include <string>

namespace platform {

// The error that ends a command when a file cannot be opened, created, read, written or
// deleted. It carries the program's own path of the file (code page 932 bytes, as the program
// named it), the operation that failed and the system's error number, and its what() text is a
// one-line English description in code page 932, for example
//   cannot open C:\DIC\FENG5A.TXT: No such file or directory
// Front ends catch it at the top of a command and show that text; nothing that throws it
// reports success.
class FileError : public std::runtime_error {
 public:
  // `operation` is a verb such as "open", "read", "create"; `error_number` is an errno value, or
  // 0 when the failure has no system cause.
  FileError(std::string path, std::string operation, int error_number);

  const std::string& path() const { return path_; }
  const std::string& operation() const { return operation_; }
  int error_number() const { return error_number_; }

 protected:
  FileError(std::string path, std::string operation, int error_number, const std::string& message);

 private:
  std::string path_;
  std::string operation_;
  int error_number_;
};

// Reading an archive beyond the end of its file: the file ended inside a record.
class EndOfFileError : public FileError {
 public:
  explicit EndOfFileError(std::string path);
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_FILE_ERROR_H_

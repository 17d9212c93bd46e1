#include "platform/file_error.h"

#include <cstring>

namespace platform {
namespace {

std::string Describe(const std::string& path, const std::string& operation, int error_number) {
  std::string text = "cannot " + operation + " " + path;
  if (error_number != 0) {
    text += ": ";
    text += std::strerror(error_number);
  }
  return text;
}

}  // namespace

FileError::FileError(std::string path, std::string operation, int error_number)
    : FileError(path, operation, error_number, Describe(path, operation, error_number)) {}

FileError::FileError(std::string path, std::string operation, int error_number,
                     const std::string& message)
    : std::runtime_error(message),
      path_(std::move(path)),
      operation_(std::move(operation)),
      error_number_(error_number) {}

EndOfFileError::EndOfFileError(std::string path)
    : FileError(path, "read", 0, "unexpected end of file in " + path) {}

}  // namespace platform

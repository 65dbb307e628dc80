#include "base/FilePath.h"

#include <system_error>

std::filesystem::path FileSystemPath(const std::string& path) { return std::filesystem::u8path(path); }

bool PathIsPresent(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(FileSystemPath(path), error);
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(FileSystemPath(path), error);
}

#include "ui/ProgramFolder.h"

std::string ProgramFolderOf(const std::string& modulePath) {
  const size_t slash = modulePath.find_last_of('\\');
  return slash == std::string::npos ? std::string() : modulePath.substr(0, slash + 1);
}

std::string WorkingFolder(const std::string& programFolder) {
  // "C:\" keeps its backslash: "C:" alone would name the drive's own current directory.
  if (programFolder.size() <= 3 || programFolder.back() != '\\') return programFolder;
  return programFolder.substr(0, programFolder.size() - 1);
}

#pragma once
// A fresh folder under the system's temporary folder for one diary test, removed afterwards.
// Names are handed out as code page 949 text, as the program would hold them.
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "db/Cp949.h"

class DiaryTestDir {
 public:
  DiaryTestDir() {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
      m_root = base / ("vesperal-diary-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(m_root));
  }
  ~DiaryTestDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
  }
  DiaryTestDir(const DiaryTestDir&) = delete;
  DiaryTestDir& operator=(const DiaryTestDir&) = delete;

  static char Separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
  }

  // The folder as a program directory: ends in the separator.
  std::string ProgramDir() const { return Utf8ToCp949(m_root.u8string()) + Separator(); }
  // Makes a subfolder named by code page 949 text and returns it as a program directory.
  std::string MakeSubDir(const std::string& cp949Name) const {
    std::filesystem::create_directory(FsPath(ProgramDir() + cp949Name));
    return ProgramDir() + cp949Name + Separator();
  }
  static std::filesystem::path FsPath(const std::string& cp949Path) {
    return std::filesystem::u8path(Cp949ToUtf8(cp949Path));
  }

 private:
  std::filesystem::path m_root;
};

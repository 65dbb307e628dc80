#pragma once
// A fresh folder under the system's temporary folder for one test, removed afterwards, with helpers
// to write and read whole files. Paths are handed out as UTF-8 text, as the program holds them;
// std::filesystem keeps it portable to the Windows build run under Wine.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>


class TestFiles {
 public:
  TestFiles() {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
      m_root = base / ("vesperal-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(m_root));
  }
  ~TestFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
  }
  TestFiles(const TestFiles&) = delete;
  TestFiles& operator=(const TestFiles&) = delete;

  static char Separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
  }
  // The path of a file (or folder) in the test folder.
  std::string Path(const std::string& name) const { return ProgramDir() + name; }
  // The folder as a program directory: ends in the separator.
  std::string ProgramDir() const { return m_root.u8string() + Separator(); }
  // Makes a subfolder named by UTF-8 text and returns it as a program directory.
  std::string MakeSubDir(const std::string& name) const {
    std::filesystem::create_directory(FsPath(Path(name)));
    return Path(name) + Separator();
  }
  static std::filesystem::path FsPath(const std::string& path) {
    return std::filesystem::u8path(path);
  }

  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream file(FsPath(path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(FsPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  static bool Exists(const std::string& path) { return std::filesystem::exists(FsPath(path)); }

 private:
  std::filesystem::path m_root;
};

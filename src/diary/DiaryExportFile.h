#pragma once
// The export file being written: it owns the open file, takes the export's text entry by entry (UTF-8),
// and chooses the encoding as it goes. Code page 949 while every character so far has a code there; at the
// first one without, what was written is read back and rewritten as UTF-8 after a byte order mark, and
// the rest follows in UTF-8. So the diary is read once and the file is written in large pieces.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class CDiaryExportFile {
 public:
  // Creates (or empties) the file; IsOpen() tells whether that worked.
  explicit CDiaryExportFile(const std::string& path);

  bool IsOpen() const { return m_file != nullptr; }
  // Adds text to the file.
  void Append(std::string_view utf8);
  // Writes what is held and closes the file; false when any byte did not reach it.
  bool Close();

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  void WritePending();
  void SwitchToUtf8();

  std::unique_ptr<std::FILE, FileCloser> m_file;
  std::string m_pending;  // the bytes not yet handed to the file
  bool m_utf8 = false;
  bool m_ok = true;
};

#pragma once
// A file or folder made read-only for a test with the immutable attribute, which binds even root.
#include <windows.h>

#include <functional>
#include <string>

#include "LinuxPrograms.h"
#include "ui/WideText.h"

// Waits up to a few seconds for a condition: Wine starts a Linux program without waiting for its end.
inline bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 100; ++i) {
    if (condition()) return true;
    ::Sleep(50);
  }
  return condition();
}

// Whether a file can be opened for writing, or a file made in a folder (a path ending in a backslash).
inline bool IsWritable(const std::string& path) {
  const bool folder = !path.empty() && path.back() == '\\';
  HANDLE file = folder ? ::CreateFileW(Widen(path + "probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_FLAG_DELETE_ON_CLOSE, nullptr)
                       : ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

// Marks a file or folder immutable while it lives (then even root cannot write it), and clears the mark
// again however the test ends.
class CImmutable {
 public:
  explicit CImmutable(const std::string& path) : m_strWindowsPath(path), m_strPath(LinuxPath(path)) {
    if (m_strPath.empty()) return;
    RunLinux("/usr/bin/chattr", "+i \"" + m_strPath + "\"");
    m_bSet = WaitFor([this] { return !IsWritable(m_strWindowsPath); });
  }
  ~CImmutable() {
    if (m_strPath.empty()) return;
    RunLinux("/usr/bin/chattr", "-i \"" + m_strPath + "\"");
    WaitFor([this] { return IsWritable(m_strWindowsPath); });
  }
  CImmutable(const CImmutable&) = delete;
  CImmutable& operator=(const CImmutable&) = delete;
  bool IsSet() const { return m_bSet; }

 private:
  std::string m_strWindowsPath, m_strPath;
  bool m_bSet = false;
};

#pragma once
// Linux beneath Wine, for tests that need what only Linux can do (make a file immutable, mount a small
// file system, take a picture of the X screen).
#include <windows.h>

#include <string>

#include "ui/WideText.h"

// The Linux path of a file under Wine, or empty outside Wine.
inline std::string LinuxPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return "";
  char* unixName = toUnix(Widen(path).c_str());
  if (!unixName) return "";
  std::string unixPath = unixName;
  ::HeapFree(::GetProcessHeap(), 0, unixName);
  return unixPath;
}

// Runs a Linux program from inside Wine, which starts programs that are not Windows programs itself.
// The exit code, or -1 when it could not run.
inline int RunLinux(const std::string& program, const std::string& arguments) {
  std::string line = "Z:" + program + " " + arguments;
  for (size_t i = 0; i < program.size() + 2; ++i)
    if (line[i] == '/') line[i] = '\\';
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring wideLine = Widen(line);
  if (!::CreateProcessW(nullptr, &wideLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  ::WaitForSingleObject(process.hProcess, 20000);
  DWORD code = 1;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

#include "ui/WinHelpViewer.h"

#include <windows.h>

#include "ui/HelpRoute.h"
#include "ui/WideText.h"

namespace {

// A file mapped as data only: no code of it runs, and a program of any architecture can be read.
class CDataModule {
 public:
  explicit CDataModule(const std::wstring& path)
      : m_hModule(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~CDataModule() {
    if (m_hModule) ::FreeLibrary(m_hModule);
  }
  CDataModule(const CDataModule&) = delete;
  CDataModule& operator=(const CDataModule&) = delete;

  // The raw bytes of the first version resource; empty when there is none.
  std::string VersionResource() const {
    if (!m_hModule) return std::string();
    HRSRC found = ::FindResourceW(m_hModule, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));  // RT_VERSION
    HGLOBAL loaded = found ? ::LoadResource(m_hModule, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) return std::string();
    return std::string(static_cast<const char*>(bytes), ::SizeofResource(m_hModule, found));
  }

 private:
  HMODULE m_hModule;
};

}  // namespace

std::string SystemWinHelpViewerPath() {
  wchar_t folder[MAX_PATH] = L"";
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::wstring path(folder, length);
  if (path.back() != L'\\') path += L'\\';
  return Narrow(path + L"winhlp32.exe");
}

bool FileExistsAt(const std::string& path) {
  const std::wstring wide = Widen(path);
  if (wide.empty()) return false;
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsWinHelpViewer(const std::string& viewerPath) {
  const std::wstring wide = Widen(viewerPath);
  WIN32_FILE_ATTRIBUTE_DATA file{};
  if (wide.empty() || !::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &file) ||
      (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  const uint64_t size = (static_cast<uint64_t>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
  return !IsWinHelpStub(size, CDataModule(wide).VersionResource());
}

bool SystemHasWinHelpViewer() { return IsWinHelpViewer(SystemWinHelpViewerPath()); }

#include "ui/FilePickers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "ui/ComApartment.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"

namespace {

int CALLBACK SelectStart(HWND picker, UINT msg, LPARAM, LPARAM start) {
  if (msg == BFFM_INITIALIZED && start) ::SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

bool PickFolder(HWND owner, const std::string& title, const std::string& start, std::string& folder) {
  const std::wstring wideTitle = Widen(title);
  std::wstring wideStart = Widen(start);
  // The picker selects "C:\a" but not "C:\a\".
  if (wideStart.size() > 3 && (wideStart.back() == L'\\' || wideStart.back() == L'/')) wideStart.pop_back();
  CComApartment com;
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
  info.lpfn = &SelectStart;
  info.lParam = reinterpret_cast<LPARAM>(wideStart.c_str());
  PIDLIST_ABSOLUTE chosen = TheSystemCalls().browseForFolder(&info);
  if (!chosen) return false;
  wchar_t path[MAX_PATH] = L"";
  const BOOL onDisk = ::SHGetPathFromIDListW(chosen, path);
  ::ILFree(chosen);
  if (!onDisk || !path[0]) return false;
  folder = Narrow(path);
  return true;
}

bool PickFileToOpen(HWND owner, const std::string& filter, const std::string& startFolder, std::string& path) {
  // The string table cannot hold the zeros that end each description and pattern; its text uses '|'.
  std::wstring zeros = Widen(filter);
  for (wchar_t& c : zeros)
    if (c == L'|') c = L'\0';
  zeros += L'\0';
  const std::wstring start = Widen(startFolder);
  std::vector<wchar_t> file(4096, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = zeros.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (!TheSystemCalls().getOpenFileName(&dialog)) return false;
  path = Narrow(file.data());
  return !path.empty();
}

#include "diary/SaveFileDialog.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "res/TextIds.h"
#include "ui/OnDemandLibrary.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"

bool AskSavePath(HWND owner, std::string& path) {
  // Pairs of description and pattern, each ending in a zero; one more zero ends the list. The string
  // table cannot hold zeros, so its text ends each with '|'.
  std::wstring filter = Widen(LoadText(IDS_EXPORT_FILTER));
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter += L'\0';
  std::vector<wchar_t> file(4096, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  // No OFN_NOCHANGEDIR: the process's current folder follows the chosen file, where the file is opened.
  dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
  if (!GetSaveFileNameOnDemand(&dialog)) return false;
  path = Narrow(file.data());
  return true;
}

void OpenWithShell(const std::string& path, const std::string& directory) {
  TheSystemCalls().shellExecute(nullptr, L"open", Widen(path).c_str(), L"", Widen(directory).c_str(), SW_SHOWNORMAL);
}

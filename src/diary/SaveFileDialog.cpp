#include "diary/SaveFileDialog.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "res/TextIds.h"
#include "ui/OnDemandLibrary.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"

bool AskSavePath(HWND owner, std::string& path) {
  // Pairs of description and pattern, each ending in a zero; one more zero ends the list. The string
  // table cannot hold zeros, so its text ends each with '|'.
  std::string filter = LoadText(IDS_EXPORT_FILTER);
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter += '\0';
  std::vector<char> file(4096, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  // No OFN_NOCHANGEDIR: the process's current folder follows the chosen file, where the file is opened.
  dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
  if (!GetSaveFileNameOnDemand(&dialog)) return false;
  path = file.data();
  return true;
}

void OpenWithShell(const std::string& path, const std::string& directory) {
  TheSystemCalls().shellExecute(nullptr, "open", path.c_str(), "", directory.c_str(), SW_SHOWNORMAL);
}

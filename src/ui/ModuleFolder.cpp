#include "ui/ModuleFolder.h"

#include <windows.h>

#include "ui/ProgramFolder.h"
#include "ui/WideText.h"

std::string ModuleFolder() {
  // A long path (the \\?\ form) may run past MAX_PATH: the buffer grows until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length < path.size() || path.size() >= 0x10000)
      return ProgramFolderOf(Narrow(std::wstring_view(path.data(), length < path.size() ? length : 0)));
    path.resize(path.size() * 2);
  }
}

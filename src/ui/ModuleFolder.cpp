#include "ui/ModuleFolder.h"

#include <windows.h>

#include "ui/ProgramFolder.h"

std::string ModuleFolder() {
  char path[300] = "";
  const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  return ProgramFolderOf(std::string(path, length < sizeof path ? length : sizeof path - 1));
}

#include "ui/OnDemandLibrary.h"

#include <string>

namespace {

// GetProcAddress gives every function one generic type; this gives it back its own.
template <typename Function>
Function Resolve(const char* library, const char* function) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(LibraryFunction(library, function)));
}

}  // namespace

FARPROC LibraryFunction(const char* library, const char* function) {
  HMODULE module = ::GetModuleHandleA(library);
  if (!module) {
    // Loaded by its full path in the system folder, so that a file of the same name in the program's folder
    // (which users can write to) is never loaded in its place.
    char folder[MAX_PATH] = "";
    const UINT length = ::GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return nullptr;
    module = ::LoadLibraryA((std::string(folder) + "\\" + library).c_str());
  }
  return module ? ::GetProcAddress(module, function) : nullptr;
}

BOOL WINAPI PlaySoundOnDemand(LPCSTR sound, HMODULE module, DWORD flags) {
  using PlaySoundFn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
  const auto playSound = Resolve<PlaySoundFn>("winmm.dll", "PlaySoundA");
  return playSound ? playSound(sound, module, flags) : FALSE;
}

BOOL WINAPI GetSaveFileNameOnDemand(OPENFILENAMEA* dialog) {
  using GetSaveFileNameFn = BOOL(WINAPI*)(OPENFILENAMEA*);
  const auto getSaveFileName = Resolve<GetSaveFileNameFn>("comdlg32.dll", "GetSaveFileNameA");
  return getSaveFileName ? getSaveFileName(dialog) : FALSE;
}

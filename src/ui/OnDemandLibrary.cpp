#include "ui/OnDemandLibrary.h"

namespace {

// GetProcAddress gives every function one generic type; this gives it back its own.
template <typename Function>
Function Resolve(const char* library, const char* function) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(LibraryFunction(library, function)));
}

}  // namespace

FARPROC LibraryFunction(const char* library, const char* function) {
  HMODULE module = ::GetModuleHandleA(library);
  if (!module) module = ::LoadLibraryA(library);
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

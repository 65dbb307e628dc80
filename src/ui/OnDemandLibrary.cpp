#include "ui/OnDemandLibrary.h"

#include <string>

#include "ui/WideText.h"

FARPROC LibraryFunction(const char* library, const char* function) {
  HMODULE module = ::GetModuleHandleW(Widen(library).c_str());
  if (!module) {
    // Loaded by its full path in the system folder, so that a file of the same name in the program's folder
    // (which users can write to) is never loaded in its place.
    wchar_t folder[MAX_PATH] = L"";
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    module = ::LoadLibraryW((std::wstring(folder, length) + L"\\" + Widen(library)).c_str());
  }
  return module ? ::GetProcAddress(module, function) : nullptr;
}

BOOL WINAPI PlaySoundOnDemand(LPCWSTR sound, HMODULE module, DWORD flags) {
  using PlaySoundFn = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
  const auto playSound = LibraryFunctionAs<PlaySoundFn>("winmm.dll", "PlaySoundW");
  return playSound ? playSound(sound, module, flags) : FALSE;
}

BOOL WINAPI GetSaveFileNameOnDemand(OPENFILENAMEW* dialog) {
  using GetSaveFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);
  const auto getSaveFileName = LibraryFunctionAs<GetSaveFileNameFn>("comdlg32.dll", "GetSaveFileNameW");
  return getSaveFileName ? getSaveFileName(dialog) : FALSE;
}

BOOL WINAPI GetOpenFileNameOnDemand(OPENFILENAMEW* dialog) {
  using GetOpenFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);
  const auto getOpenFileName = LibraryFunctionAs<GetOpenFileNameFn>("comdlg32.dll", "GetOpenFileNameW");
  return getOpenFileName ? getOpenFileName(dialog) : FALSE;
}

#pragma once
// System functions whose library is loaded the first time one of them is called rather than when the
// program starts: a library that the program imports is loaded, with all that it imports in turn, before
// the first window can be shown, and the sound and the save-file dialog are not needed for that.
#include <windows.h>

#include <commdlg.h>

// The named function of a system library, loading the library if the process has not loaded it yet; null
// when either is missing. The library stays loaded for the rest of the process, as an imported one would.
FARPROC LibraryFunction(const char* library, const char* function);
// The same with the function's own type: GetProcAddress gives every function one generic type.
template <typename Function>
Function LibraryFunctionAs(const char* library, const char* function) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(LibraryFunction(library, function)));
}

// PlaySoundW of WINMM, GetSaveFileNameW and GetOpenFileNameW of COMDLG32, with the system functions'
// signatures. Each fails as the system function does (FALSE) when its library cannot be loaded.
BOOL WINAPI PlaySoundOnDemand(LPCWSTR sound, HMODULE module, DWORD flags);
BOOL WINAPI GetSaveFileNameOnDemand(OPENFILENAMEW* dialog);
BOOL WINAPI GetOpenFileNameOnDemand(OPENFILENAMEW* dialog);

#include "ui/SystemCalls.h"

#include "ui/OnDemandLibrary.h"
#include "ui/WinHelpViewer.h"

namespace {

HRESULT WINAPI QueryUserNotificationState(int* state) {
  const auto query = LibraryFunctionAs<HRESULT(WINAPI*)(int*)>("shell32.dll", "SHQueryUserNotificationState");
  return query ? query(state) : E_NOTIMPL;
}

bool SystemHighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

SystemCalls& TheSystemCalls() {
  static SystemCalls calls{&::Shell_NotifyIconW,         &::ShellExecuteW,        &::WinHelpW,
                           &PlaySoundOnDemand,           &SystemHasWinHelpViewer, &::GetLocalTime,
                           &QueryUserNotificationState,  &::SHBrowseForFolderW,   &GetOpenFileNameOnDemand,
                           &SystemHighContrastOn};
  return calls;
}

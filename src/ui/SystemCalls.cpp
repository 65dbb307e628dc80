#include "ui/SystemCalls.h"

#include "ui/OnDemandLibrary.h"
#include "ui/WinHelpViewer.h"

SystemCalls& TheSystemCalls() {
  static SystemCalls calls{&::Shell_NotifyIconW,    &::ShellExecuteW, &::WinHelpW,           &PlaySoundOnDemand,
                           &SystemHasWinHelpViewer, &::GetLocalTime,  &::SHBrowseForFolderW, &GetOpenFileNameOnDemand};
  return calls;
}

#include "ui/SystemCalls.h"

#include "ui/OnDemandLibrary.h"
#include "ui/WinHelpViewer.h"

SystemCalls& TheSystemCalls() {
  static SystemCalls calls{&::Shell_NotifyIconA, &::ShellExecuteA, &::WinHelpA, &PlaySoundOnDemand,
                           &SystemHasWinHelpViewer};
  return calls;
}

#include "ui/SystemCalls.h"

#include "ui/OnDemandLibrary.h"

SystemCalls& TheSystemCalls() {
  static SystemCalls calls{&::Shell_NotifyIconA, &::ShellExecuteA, &::WinHelpA, &PlaySoundOnDemand};
  return calls;
}

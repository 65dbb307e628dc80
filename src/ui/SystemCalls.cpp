#include "ui/SystemCalls.h"

#include "ui/OnDemandLibrary.h"

SystemCalls& TheSystemCalls() {
  static SystemCalls calls{&::Shell_NotifyIconW, &::ShellExecuteW, &::WinHelpW, &PlaySoundOnDemand};
  return calls;
}

#include "ui/SystemCalls.h"

#include <mmsystem.h>

SystemCalls& TheSystemCalls() {
  static SystemCalls calls{&::Shell_NotifyIconA, &::ShellExecuteA, &::WinHelpA, &::PlaySoundA};
  return calls;
}

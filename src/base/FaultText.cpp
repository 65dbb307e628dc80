#include "base/FaultText.h"

#include "res/TextIds.h"

MessageText DescribeEngineFault(EngineFault fault, const std::string& file, const std::string& engineText) {
  int textId = IDS_FAULT_OTHER;
  switch (fault) {
    case EngineFault::kNotWritable: textId = IDS_FAULT_NOT_WRITABLE; break;
    case EngineFault::kDamaged: textId = IDS_FAULT_DAMAGED; break;
    case EngineFault::kLocked: textId = IDS_FAULT_LOCKED; break;
    case EngineFault::kDiskFull: textId = IDS_FAULT_DISK_FULL; break;
    case EngineFault::kTooMuchWork: textId = IDS_FAULT_TOO_MUCH_WORK; break;
    case EngineFault::kOther: break;
  }
  return MessageText(textId, {file}).ThenEngineText(engineText);
}

#include "ui/HandlerError.h"

#include <exception>
#include <string>

#include "ui/AppMessageBox.h"
#include "db/DaoException.h"
#include "res/TextIds.h"
#include "ui/ResourceText.h"
#include "db/ClassifyFault.h"
#include "base/FaultText.h"

void ReportHandlerError(HWND owner, bool fromMenu) noexcept {
  try {
    std::string text = LoadText(fromMenu ? IDS_COMMAND_FAILED : IDS_INTERNAL_ERROR);
    try {
      throw;
    } catch (const CDaoException& e) {
      // A failure of a known file is told in Korean with what to do; the engine's words follow.
      const EngineFault fault = ClassifyEngineCode(e.EngineCode());
      if (!e.File().empty() && fault != EngineFault::kOther)
        text = LoadText(DescribeEngineFault(fault, e.File(), e.Description()));
      else if (!e.Description().empty())
        text = e.Description();
    } catch (...) {
    }
    AppMessageBox(owner, text, MB_OK | MB_ICONSTOP);
  } catch (...) {
    // Not even the box could be shown (out of memory): the window goes on regardless.
  }
}

#include "ui/HandlerError.h"

#include <exception>
#include <string>

#include "ui/AppMessageBox.h"
#include "db/DaoException.h"
#include "db/EngineFault.h"

void ReportHandlerError(HWND owner, bool fromMenu) noexcept {
  try {
    std::string text = fromMenu ? "명령 실패." : "내부 응용프로그램 오류.";
    try {
      throw;
    } catch (const CDaoException& e) {
      // A failure of a known file is told in Korean with what to do; the engine's words follow.
      const EngineFault fault = ClassifyEngineCode(e.EngineCode());
      if (!e.File().empty() && fault != EngineFault::kOther)
        text = DescribeEngineFault(fault, e.File(), e.Description());
      else if (!e.Description().empty())
        text = e.Description();
    } catch (...) {
    }
    AppMessageBox(owner, text, MB_OK | MB_ICONSTOP);
  } catch (...) {
    // Not even the box could be shown (out of memory): the window goes on regardless.
  }
}

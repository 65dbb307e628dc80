#include "ui/HandlerError.h"

#include <exception>
#include <string>

#include "ui/AppMessageBox.h"
#include "db/DaoException.h"

void ReportHandlerError(HWND owner, bool fromMenu) noexcept {
  try {
    std::string text = fromMenu ? "명령 실패." : "내부 응용프로그램 오류.";
    try {
      throw;
    } catch (const CDaoException& e) {
      if (!e.Description().empty()) text = e.Description();
    } catch (...) {
    }
    AppMessageBox(owner, text, MB_OK | MB_ICONSTOP);
  } catch (...) {
    // Not even the box could be shown (out of memory): the window goes on regardless.
  }
}

// The day lookup's guard against a plan file that passed the checks at its opening but makes a lookup run
// past the connection's bound on work or on the length of a text: such a file is refused once, as a file
// that cannot be opened, and the window goes on without querying it again.
#include "db/DaoException.h"
#include "db/EngineFault.h"
#include "reading/ReadingPlan.h"
#include "reading/ReadingView.h"

bool CReadingPlan::LookUpDay() {
  const std::string path = PlanFileName(m_nYear);
  if (m_refusedFiles.count(path)) return false;
  try {
    return ReadDay();
  } catch (const CDaoException& error) {
    if (ClassifyEngineCode(error.EngineCode()) != EngineFault::kTooMuchWork) throw;
    // The query object and the connection go; the next lookup of another year opens its own file.
    Release();
    m_refusedFiles.insert(path);
    m_view.ShowMessage("베스페랄본문 파일을 열 수 없습니다.");
    m_view.ShowMessage(path);
    return false;
  }
}

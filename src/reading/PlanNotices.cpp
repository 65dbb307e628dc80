#include "reading/PlanNotices.h"

bool CPlanNotices::FirstNotice(const std::string& file, PlanProblem problem) {
  return m_told.emplace(file, problem).second;
}

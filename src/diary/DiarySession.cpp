#include "diary/DiarySession.h"

std::vector<std::string> CDiarySession::Search(const SearchRequest& request) {
  if (!HasDiary()) return {};
  return SearchDiary(*m_store.m_pDiarySet, request);
}

ExportOutcome CDiarySession::Export(bool allDates, const std::string& key, const std::string& path) {
  // Callers ask HasDiary() first; without a diary there is nothing to write.
  if (!HasDiary()) return ExportOutcome::kWriteFailed;
  return WriteDiaryExport(*m_store.m_pDiarySet, allDates, key, path);
}

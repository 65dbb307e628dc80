#pragma once
// The diary that the reading, diary and search windows share: the date they show and the diary database.
// The reading window owns one. A window that changes the date sets it here and then tells the others
// (WM_DATE_SYNC, WM_FIND_RESULT); they read it back from here.
#include <string>
#include <vector>

#include "diary/DiaryDate.h"
#include "diary/DiaryExport.h"
#include "diary/DiarySearch.h"
#include "diary/DiaryStore.h"

class CDiarySession {
 public:
  // Opens memo.mdb in the folder (see CDiaryStore::OpenDiaryDb).
  bool Open(const std::string& programDir) { return m_store.OpenDiaryDb(programDir); }
  void Release() { m_store.Release(); }
  // False when the diary could not be opened: nothing is read or stored then.
  bool HasDiary() const { return m_store.m_pDiarySet != nullptr; }
  const DiaryUnavailable& Unavailable() const { return m_store.Unavailable(); }
  MessageText FailureMessage(int headlineId, const CDaoException& error) const {
    return m_store.FailureMessage(headlineId, error);
  }

  const DiaryDate& ShownDate() const { return m_shownDate; }
  std::string ShownKey() const { return MakeDateKey(m_shownDate.year, m_shownDate.month, m_shownDate.day); }
  void SetShownDate(const DiaryDate& date) { m_shownDate = date; }

  bool HasEntry(const std::string& key) const { return m_store.m_diaryKeys.Find(key); }
  void ReadEntry(const std::string& key, DiaryEntry& entry) { m_store.ReadEntry(key, entry); }
  void WriteEntry(const std::string& key, const std::string& title, const std::string& meditation,
                  const std::string& prayer) {
    m_store.WriteEntry(key, title, meditation, prayer);
  }
  void DeleteEntry(const std::string& key) { m_store.DeleteEntry(key); }
  // The days marked read. Marking is unavailable without a diary, or when its file cannot keep marks.
  bool CanMark() const { return m_store.m_readMarks.IsAvailable(); }
  const ReadMarks& Marks() const { return m_store.m_readMarks.Marks(); }
  // Stores the mark; an engine failure is thrown (CDaoException) and the marks stay as stored.
  MessageText MarkFailureMessage(const CDaoException& error) const { return m_store.MarkFailureMessage(error); }
  void SetMarked(const CalendarDay& day, bool marked) { m_store.m_readMarks.SetMarked(day, marked); }
  // The date keys of the entries that hold the text, in date order; an engine failure is thrown.
  std::vector<std::string> Search(const SearchRequest& request);
  // Writes the entry of `key`, or every entry, to the file.
  ExportOutcome Export(bool allDates, const std::string& key, const std::string& path);

 private:
  CDiaryStore m_store;
  DiaryDate m_shownDate;
};

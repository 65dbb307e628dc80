#pragma once
// The diary database "memo.mdb", its one recordset, the date index and the read marks; the reading session
// owns one.
#include <memory>
#include <string>
#include <utility>

#include "db/DaoDatabase.h"
#include "db/DaoRecordset.h"
#include "diary/DiaryExport.h"
#include "diary/DiaryKeyList.h"
#include "diary/DiarySearch.h"
#include "diary/DiaryUnavailable.h"
#include "diary/ReadMarkStore.h"

struct DiaryEntry {
  bool found = false;
  std::string title, meditation, prayer;
};

class CDaoException;

class CDiaryStore {
 public:
  CDiaryStore() = default;
  ~CDiaryStore();

  // Opens memo.mdb in the folder, making it when there is none. False when the diary cannot be used; the
  // reason is then held by Unavailable() and the file is left as it was. Shows nothing: reading goes on
  // without a diary, and the diary button says why.
  bool OpenDiaryDb(const std::string& programDir);
  const DiaryUnavailable& Unavailable() const { return m_unavailable; }
  // The message for an operation that failed with `error`: the headline text, then the file and the cause.
  MessageText FailureMessage(int headlineId, const CDaoException& error) const;
  // What the opening has to tell once (an older diary brought over), then empty.
  MessageText TakeNotice() { return std::exchange(m_notice, MessageText()); }
  // Leaves title, meditation and prayer as they were when there is no database.
  void ReadEntry(const std::string& key, DiaryEntry& entry);
  void WriteEntry(const std::string& key, const std::string& title, const std::string& meditation,
                  const std::string& prayer);
  void DeleteEntry(const std::string& key);
  // The date keys of the entries that hold the text, in date order; nothing without a diary. An engine
  // failure is thrown.
  std::vector<std::string> Search(const SearchRequest& request);
  // Writes the entry of `key`, or every entry, to the file; without a diary nothing is written.
  ExportOutcome Export(bool allDates, const std::string& key, const std::string& path);
  // Deletes the recordset, then closes the connection.
  void Release();

  // False when the diary could not be opened: nothing is read or stored then.
  bool HasDiary() const { return m_pDiarySet != nullptr; }
  bool IsConnected() const { return m_diaryDb.IsOpen(); }
  // Whether a query of an entry operation is still open (none is between operations).
  bool HasOpenQuery() const { return m_pDiarySet && m_pDiarySet->IsOpen(); }
  const CDiaryKeyList& Keys() const { return m_diaryKeys; }
  bool HasEntry(const std::string& key) const { return m_diaryKeys.Find(key); }

  // The days marked read. Marking is unavailable without a diary, or when its file cannot keep marks.
  bool CanMark() const { return m_readMarks.IsAvailable(); }
  const ReadMarks& Marks() const { return m_readMarks.Marks(); }
  // Stores the mark; an engine failure is thrown (CDaoException) and the marks stay as stored.
  void SetMarked(const CalendarDay& day, bool marked) { m_readMarks.SetMarked(day, marked); }

 private:
  MessageText FaultOf(const CDaoException& error) const;
  bool CreateDiaryFile(const std::string& path);
  void OpenAndReadKeys();
  bool Refuse(DiaryUnavailable reason);

  CDaoDatabase m_diaryDb;
  std::unique_ptr<CDaoRecordset> m_pDiarySet;
  CDiaryKeyList m_diaryKeys{1000};
  // The days marked read, on the same connection; available only while the diary is.
  CReadMarkStore m_readMarks;
  DiaryUnavailable m_unavailable;
  MessageText m_notice;
  std::string m_strPath;
};

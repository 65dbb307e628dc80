#pragma once
// The diary database "memo.mdb", its one recordset and the date index; the reading window owns one.
#include <memory>
#include <string>

#include "db/DaoDatabase.h"
#include "db/DaoRecordset.h"
#include "diary/DiaryKeyList.h"
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
  // The message for an entry operation that failed with `error`, naming the file and the cause.
  MessageText StoreFailureMessage(const CDaoException& error) const;
  // The same cause after a read mark could not be stored: the mark stays as it was.
  MessageText MarkFailureMessage(const CDaoException& error) const;
  // Leaves title, meditation and prayer as they were when there is no database.
  void ReadEntry(const std::string& key, DiaryEntry& entry);
  void WriteEntry(const std::string& key, const std::string& title, const std::string& meditation,
                  const std::string& prayer);
  void DeleteEntry(const std::string& key);
  // Deletes the recordset, then closes the connection.
  void Release();

  CDaoDatabase m_diaryDb;
  std::unique_ptr<CDaoRecordset> m_pDiarySet;
  CDiaryKeyList m_diaryKeys{1000};
  // The days marked read, on the same connection; available only while the diary is.
  CReadMarkStore m_readMarks;

 private:
  MessageText FaultOf(const CDaoException& error) const;
  bool CreateDiaryFile(const std::string& path);
  void OpenAndReadKeys();
  bool Refuse(DiaryUnavailable reason);

  DiaryUnavailable m_unavailable;
  std::string m_strPath;
};

#pragma once
// The diary database "memo.mdb", its one recordset and the date index; the reading window owns one.
#include <functional>
#include <memory>
#include <string>

#include "db/DaoDatabase.h"
#include "db/DaoRecordset.h"
#include "diary/DiaryKeyList.h"

struct DiaryEntry {
  bool found = false;
  std::string title, meditation, prayer;
};

class CDiaryStore {
 public:
  using MessageFn = std::function<void(const std::string&)>;
  explicit CDiaryStore(MessageFn showMessage);
  ~CDiaryStore();

  bool OpenDiaryDb(const std::string& programDir);
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

 private:
  bool CreateDiaryFile(const std::string& path);

  MessageFn m_showMessage;
};

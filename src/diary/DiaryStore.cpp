#include "diary/DiaryStore.h"

#include <filesystem>
#include <system_error>

#include "db/DatabaseFileCheck.h"
#include "db/DaoException.h"
#include "db/DaoTableDef.h"
#include "db/JetErrors.h"
#include "db/FieldValue.h"
#include "db/SchemaCheck.h"
#include "db/SqliteTransaction.h"
#include "diary/DiaryRecordsetGuard.h"
#include "diary/DiaryTable.h"
#include "res/TextIds.h"
#include "base/FilePath.h"
#include "base/ProgramFiles.h"
#include "db/ClassifyFault.h"

namespace {

using namespace diary_table;

const std::string keyQuery = std::string("SELECT ") + kKeyDate + " FROM " + kTable + " ORDER BY " + kKeyDate;

// Keys are put into the statement as they are; a quote could turn it into a different statement,
// so such a key is refused as the engine refuses any bad statement.
std::string EntryStatement(const std::string& key) {
  if (key.find('\'') != std::string::npos)
    jet::Throw(jet::kSyntaxError, "Syntax error (quote) in date key '" + key + "'.");
  return std::string("select * from ") + kTable + " where " + kKeyDate + "='" + key + "'";
}


}  // namespace

CDiaryStore::~CDiaryStore() {
  // The recordset goes before the connection it was made on; the connection closes itself.
  m_pDiarySet.reset();
}

bool CDiaryStore::OpenDiaryDb(const std::string& programDir) {
  const std::string path = DiaryFilePath(programDir);
  m_strPath = path;
  m_unavailable = DiaryUnavailable();
  // The engine would call a folder a damaged file.
  if (IsFolder(path))
    return Refuse({DiaryUnavailable::Reason::kFolderInTheWay, EngineFault::kOther, path, programDir, ""});
  if (!PathIsPresent(path) && !CreateDiaryFile(path)) {
    DiaryUnavailable reason;
    reason.reason = DiaryUnavailable::Reason::kCannotCreate;
    reason.folder = programDir;
    reason.path = path;
    return Refuse(reason);
  }
  try {
    m_diaryDb.Open(path, false, false, "");
  } catch (const CDaoException& error) {
    return Refuse({DiaryUnavailable::Reason::kFileFault, ClassifyEngineCode(error.EngineCode()), path, programDir,
                   error.Description()});
  }
  try {
    CheckTables(m_diaryDb, {{kTable, {kKeyDate, kTitle, kMeditation, kPrayer}}});
  } catch (const CDaoException& error) {
    // A file that reads as a database but not as a diary; damage found on the way is damage all the same.
    const EngineFault fault = ClassifyEngineCode(error.EngineCode());
    if (error.EngineCode() == jet::kUnrecognizedFormat)
      return Refuse({DiaryUnavailable::Reason::kNotADiary, fault, path, programDir, error.Description()});
    return Refuse({DiaryUnavailable::Reason::kFileFault, fault, path, programDir, error.Description()});
  }
  try {
    OpenAndReadKeys();
  } catch (const CDaoException& error) {
    return Refuse({DiaryUnavailable::Reason::kFileFault, ClassifyEngineCode(error.EngineCode()), path, programDir,
                   error.Description()});
  }
  // A diary whose marks cannot be kept (a read-only file) is still a diary: marking alone is unavailable.
  m_readMarks.Open(m_diaryDb);
  return true;
}

void CDiaryStore::OpenAndReadKeys() {
  m_pDiarySet = std::make_unique<CDaoRecordset>(&m_diaryDb);
  CRecordsetCloser closer(*m_pDiarySet);
  m_pDiarySet->Open(dbOpenDynaset, keyQuery, 0);
  while (!m_pDiarySet->IsEOF()) {
    m_diaryKeys.Add(FieldValueToText(m_pDiarySet->GetFieldValue(kKeyDate)));
    m_pDiarySet->MoveNext();
  }
  m_pDiarySet->Close();
}

// Without a diary nothing is held: no recordset, no connection, no keys read part way.
bool CDiaryStore::Refuse(DiaryUnavailable reason) {
  Release();
  m_diaryKeys = CDiaryKeyList(1000);
  m_unavailable = std::move(reason);
  return false;
}

MessageText CDiaryStore::FailureMessage(int headlineId, const CDaoException& error) const {
  return MessageText(headlineId).Then(FaultOf(error));
}

MessageText CDiaryStore::StoreFailureMessage(const CDaoException& error) const {
  return FailureMessage(IDS_DIARY_STORE_FAILED, error);
}

MessageText CDiaryStore::MarkFailureMessage(const CDaoException& error) const {
  return FailureMessage(IDS_MARK_STORE_FAILED, error);
}

MessageText CDiaryStore::FaultOf(const CDaoException& error) const {
  const std::string file = error.File().empty() ? m_strPath : error.File();
  return DescribeEngineFault(ClassifyEngineCode(error.EngineCode()), file, error.Description());
}

// The file is built whole under another name and then renamed, so that a process that dies while
// building it leaves no memo.mdb without its table behind: every later start would fail on such a file.
bool CDiaryStore::CreateDiaryFile(const std::string& path) {
  const std::string building = path + ".new";
  std::error_code ignored;
  auto removeBuilding = [&] {
    std::filesystem::remove(FileSystemPath(building), ignored);
    std::filesystem::remove(FileSystemPath(building + "-journal"), ignored);
  };
  // What an earlier creation left when it was cut short is started again.
  removeBuilding();
  try {
    m_diaryDb.Create(building, dbLangGeneral, 0);
    SqliteTransaction transaction(m_diaryDb.Connection());
    CDaoTableDef table(&m_diaryDb);
    table.Create(kTable, 0);
    table.CreateField(kKeyDate, dbText, 8, dbUpdatableField);
    table.CreateField(kTitle, dbMemo, 0, dbUpdatableField);
    table.CreateField(kMeditation, dbMemo, 0, dbUpdatableField);
    table.CreateField(kPrayer, dbMemo, 0, dbUpdatableField);
    table.Append();
    table.Close();
    CReadMarkStore::AppendTable(m_diaryDb);
    transaction.Commit();
    m_diaryDb.Close();
  } catch (const CDaoException&) {
    m_diaryDb.Close();
    removeBuilding();
    return false;
  }
  // Another process may have made the diary meanwhile; its file is kept.
  if (!PathIsPresent(path)) {
    std::error_code error;
    std::filesystem::rename(FileSystemPath(building), FileSystemPath(path), error);
    if (error) {
      removeBuilding();
      return false;
    }
  }
  removeBuilding();
  return true;
}

void CDiaryStore::ReadEntry(const std::string& key, DiaryEntry& entry) {
  if (!m_pDiarySet) return;
  CRecordsetCloser closer(*m_pDiarySet);
  m_pDiarySet->Open(dbOpenDynaset, EntryStatement(key), 0);
  if (m_pDiarySet->IsEOF()) {
    entry = DiaryEntry();
  } else {
    entry.title = MarkToEmpty(FieldValueToText(m_pDiarySet->GetFieldValue(kTitle)));
    entry.meditation = MarkToEmpty(FieldValueToText(m_pDiarySet->GetFieldValue(kMeditation)));
    entry.prayer = MarkToEmpty(FieldValueToText(m_pDiarySet->GetFieldValue(kPrayer)));
    entry.found = true;
  }
  m_pDiarySet->Close();
}

void CDiaryStore::WriteEntry(const std::string& key, const std::string& title, const std::string& meditation,
                             const std::string& prayer) {
  if (!m_pDiarySet) return;
  {
    CRecordsetCloser closer(*m_pDiarySet);
    m_pDiarySet->Open(dbOpenDynaset, EntryStatement(key), 0);
    if (m_pDiarySet->IsEOF())
      m_pDiarySet->AddNew();
    else
      m_pDiarySet->Edit();
    m_pDiarySet->SetFieldValue(kKeyDate, key);
    m_pDiarySet->SetFieldValue(kTitle, TextOrMark(title));
    m_pDiarySet->SetFieldValue(kMeditation, TextOrMark(meditation));
    m_pDiarySet->SetFieldValue(kPrayer, TextOrMark(prayer));
    m_pDiarySet->Update();
    m_pDiarySet->Close();
  }
  if (!m_diaryKeys.Find(key)) m_diaryKeys.Add(key);
}

void CDiaryStore::DeleteEntry(const std::string& key) {
  if (!m_pDiarySet) return;
  bool deleted = false;
  {
    CRecordsetCloser closer(*m_pDiarySet);
    m_pDiarySet->Open(dbOpenDynaset, EntryStatement(key), 0);
    if (!m_pDiarySet->IsEOF()) {
      m_pDiarySet->Delete();
      deleted = true;
    }
    m_pDiarySet->Close();
  }
  if (!deleted) return;

  // Another tool may have left a second record under the same key; the date keeps its mark while
  // any record remains.
  bool remains = false;
  {
    CRecordsetCloser closer(*m_pDiarySet);
    m_pDiarySet->Open(dbOpenDynaset, EntryStatement(key), 0);
    remains = !m_pDiarySet->IsEOF();
    m_pDiarySet->Close();
  }
  if (!remains) m_diaryKeys.Remove(key);
}

void CDiaryStore::Release() {
  m_readMarks.Release();
  m_pDiarySet.reset();
  if (m_diaryDb.IsOpen()) m_diaryDb.Close();
}

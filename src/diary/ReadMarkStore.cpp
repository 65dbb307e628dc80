#include "diary/ReadMarkStore.h"

#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/DaoRecordset.h"
#include "db/DaoTableDef.h"
#include "db/FieldValue.h"
#include "db/JetErrors.h"
#include "db/SchemaCheck.h"
#include "db/SqliteConnection.h"
#include "db/SqliteTransaction.h"
#include "diary/DiaryRecordsetGuard.h"
#include "diary/ReadMarkTable.h"

namespace {

using namespace readmark_table;

// The key is made here from a valid day: eight digits, nothing a statement could take otherwise.
std::string DayStatement(const CalendarDay& day) {
  return std::string("select * from ") + kTable + " where " + kKeyDate + "='" + DayKey(day) + "'";
}

}  // namespace

void CReadMarkStore::AppendTable(CDaoDatabase& database) {
  CDaoTableDef table(&database);
  table.Create(kTable, 0);
  table.CreateField(kKeyDate, dbText, 8, dbUpdatableField);
  table.Append();
  table.Close();
}

bool CReadMarkStore::Open(CDaoDatabase& database) {
  Release();
  try {
    try {
      SqliteTransaction transaction(database.Connection());
      AppendTable(database);
      transaction.Commit();
    } catch (const CDaoException& error) {
      if (error.EngineCode() != jet::kTableExists) throw;
    }
    m_marks = ReadAll(database);
  } catch (const CDaoException&) {
    return Refuse();
  }
  m_pDatabase = &database;
  return true;
}

bool CReadMarkStore::HasTable(CDaoDatabase& database) {
  auto object = database.Connection().Prepare("SELECT 1 FROM sqlite_master WHERE name = ?1 COLLATE NOCASE");
  object.BindText(1, kTable);
  return object.Step();
}

ReadMarks CReadMarkStore::ReadAll(CDaoDatabase& database) {
  CheckTables(database, {{kTable, {kKeyDate}}});
  ReadMarks marks;
  CDaoRecordset set(&database);
  CRecordsetCloser closer(set);
  set.Open(dbOpenDynaset, std::string("SELECT ") + kKeyDate + " FROM " + kTable, 0);
  for (; !set.IsEOF(); set.MoveNext()) {
    // Rows another tool wrote with a key that names no day are left in the file and not counted.
    const auto day = ParseDayKey(FieldValueToText(set.GetFieldValue(kKeyDate)));
    if (day) marks.Mark(*day);
  }
  set.Close();
  return marks;
}

void CReadMarkStore::SetMarked(const CalendarDay& day, bool marked) {
  if (!m_pDatabase || !IsValidDay(day)) return;
  CDaoRecordset set(m_pDatabase);
  if (marked) {
    CRecordsetCloser closer(set);
    set.Open(dbOpenDynaset, DayStatement(day), 0);
    if (set.IsEOF()) {
      set.AddNew();
      set.SetFieldValue(kKeyDate, DayKey(day));
      set.Update();
    }
    set.Close();
    m_marks.Mark(day);
    return;
  }
  // Another tool may have written a day twice; the day is unmarked when no row of it is left.
  for (;;) {
    CRecordsetCloser closer(set);
    set.Open(dbOpenDynaset, DayStatement(day), 0);
    const bool found = !set.IsEOF();
    if (found) set.Delete();
    set.Close();
    if (!found) break;
  }
  m_marks.Unmark(day);
}

bool CReadMarkStore::Refuse() {
  Release();
  return false;
}

void CReadMarkStore::Release() {
  m_pDatabase = nullptr;
  m_marks.Clear();
}

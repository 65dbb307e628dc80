#pragma once
// Small databases for the database layer's tests: a reading plan made straight through SQLite (as the
// plan compiler makes it, text as UTF-8) and a diary made through the layer as the program makes it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/DaoRecordset.h"
#include "db/DaoTableDef.h"
#include "db/PlanFileTables.h"
#include "diary/DiaryTable.h"

namespace dbtest {

// Runs SQL (UTF-8) on a raw SQLite connection to the file, as another tool would.
inline void RawExec(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(db);
}

// Two days of a plan: 7 March with three verses stored out of order, 8 March with one.
inline void MakePlan(const std::string& path) {
  RawExec(path, plan_file::CreateTablesSql() +
                    "INSERT INTO YEAR VALUES (2026, '2026년 베스페랄');"
                    "INSERT INTO MONTH VALUES (3, '삼월'), (4, '사월');"
                    "INSERT INTO DAYRANGE VALUES (3, 7, 66, '시편 23:1-3'), (3, 8, 67, '시편 24:1');"
                    "INSERT INTO DAY VALUES (66, 2, '2', '그가 나를 푸른 풀밭에 누이시며'),"
                    "  (66, 1, '1', '여호와는 나의 목자시니'), (67, 1, '1', '땅과 거기에 충만한 것'),"
                    "  (66, 3, '3', '내 영혼을 소생시키시고');");
}

// The diary table as the program creates it.
inline void MakeDiary(const std::string& path) {
  CDaoDatabase db;
  db.Create(path);
  CDaoTableDef table(&db);
  table.Create(diary_table::kTable);
  table.CreateField(diary_table::kKeyDate, dbText, 8, dbUpdatableField);
  table.CreateField(diary_table::kTitle, dbMemo, 0, dbUpdatableField);
  table.CreateField(diary_table::kMeditation, dbMemo, 0, dbUpdatableField);
  table.CreateField(diary_table::kPrayer, dbMemo, 0, dbUpdatableField);
  table.Append();
  table.Close();
  db.Close();
}

inline void AddEntry(CDaoDatabase& db, const std::string& key, const std::string& title, const std::string& meditation,
                     const std::string& prayer) {
  CDaoRecordset set(&db);
  set.Open(dbOpenDynaset, std::string("SELECT * FROM ") + diary_table::kTable);
  set.AddNew();
  set.SetFieldValue(diary_table::kKeyDate, key);
  set.SetFieldValue(diary_table::kTitle, title);
  set.SetFieldValue(diary_table::kMeditation, meditation);
  set.SetFieldValue(diary_table::kPrayer, prayer);
  set.Update();
  set.Close();
}

// The field text of one field over all rows of a statement.
inline std::vector<std::string> Column(CDaoDatabase& db, const std::string& sql, const std::string& field) {
  CDaoRecordset set(&db);
  set.Open(dbOpenDynaset, sql);
  std::vector<std::string> texts;
  for (; !set.IsEOF(); set.MoveNext()) texts.push_back(FieldValueToText(set.GetFieldValue(field)));
  set.Close();
  return texts;
}

using Texts = std::vector<std::string>;

// The description of the engine error that the action raises, or "(no error)".
template <typename Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const CDaoException& e) {
    return e.Description();
  }
  return "(no error)";
}

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace dbtest

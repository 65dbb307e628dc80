#pragma once
// The days marked read, kept in the READMARK table of the open diary database and held in memory for the
// progress, catch-up and reminder rules. The diary store owns one on its connection. Marks depend on the
// diary, never the other way: when the table cannot be made or read, marking is unavailable and the
// diary and the reading go on.
#include "base/CalendarDay.h"
#include "habit/ReadMarks.h"

class CDaoDatabase;

class CReadMarkStore {
 public:
  // Adds the table to a diary file being made, inside the transaction that makes it.
  static void AppendTable(CDaoDatabase& database);
  // On an open diary: makes the table when the file has none (the diary's table is not touched), checks
  // it and reads every mark. Throws nothing; false leaves marking unavailable (a read-only, locked or
  // damaged file, or a READMARK that is not a plain table).
  bool Open(CDaoDatabase& database);
  bool IsAvailable() const { return m_pDatabase != nullptr; }
  const ReadMarks& Marks() const { return m_marks; }
  // Stores the day's mark, then holds it. An engine failure is thrown (CDaoException) and the marks held
  // stay as stored. Does nothing while unavailable.
  void SetMarked(const CalendarDay& day, bool marked);
  // Forgets the connection (the diary store closes it) and the marks.
  void Release();

  // Whether the database has an object named READMARK; only reads the schema.
  static bool HasTable(CDaoDatabase& database);
  // Checks the READMARK table and reads every mark; only reads. Throws CDaoException.
  static ReadMarks ReadAll(CDaoDatabase& database);

 private:
  bool Refuse();

  CDaoDatabase* m_pDatabase = nullptr;
  ReadMarks m_marks;
};

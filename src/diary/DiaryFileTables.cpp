#include "diary/DiaryFileTables.h"

#include "db/DaoTableDef.h"
#include "diary/DiaryTable.h"
#include "diary/ReadMarkStore.h"

void AppendDiaryTables(CDaoDatabase& database) {
  using namespace diary_table;
  CDaoTableDef table(&database);
  table.Create(kTable, 0);
  table.CreateField(kKeyDate, dbText, 8, dbUpdatableField);
  table.CreateField(kTitle, dbMemo, 0, dbUpdatableField);
  table.CreateField(kMeditation, dbMemo, 0, dbUpdatableField);
  table.CreateField(kPrayer, dbMemo, 0, dbUpdatableField);
  table.Append();
  table.Close();
  CReadMarkStore::AppendTable(database);
}

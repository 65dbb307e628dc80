#pragma once
// The tables of a new diary file: VESPERAL with its four columns and READMARK. Made inside the caller's
// transaction, by the diary store when it creates memo.mdb and by the import of an older diary.
class CDaoDatabase;

void AppendDiaryTables(CDaoDatabase& database);

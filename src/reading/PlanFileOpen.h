#pragma once
// Opens a reading-plan file of either kind: the program's own (SQLite), or the older program's (a Jet
// database), which is read whole into a database in memory with the same tables. From there both are read
// alike; nothing is written to the program folder.
#include <chrono>
#include <string>

class CDaoDatabase;

// Throws CDaoException naming the file when it is missing, is no database, or is a Jet file that cannot be
// read or lacks a plan table or column; the plan's tables are checked afterwards by CheckPlanFileSchema.
// Each step of a statement on the plan, the opening's own first read included, may take `stepLimit`.
void OpenPlanDatabase(CDaoDatabase& planDb, const std::string& path, std::chrono::milliseconds stepLimit);

#pragma once
// Looks at a file before SQLite sees it: SQLite would take an empty file, or a missing one, as a new
// empty database, and would read a damaged one only far enough to fail later.
#include <string>

// Throws CDaoException naming the file unless it looks like a whole SQLite database. Only reads.
void CheckDatabaseFile(const std::string& path);

#pragma once
// Whole copies of database files, made with SQLite's online backup: every page of the source under one read
// lock, so the copy is consistent even while another connection has the file open. The diary's backups and
// its restore use it; what a copy must hold to count is their business.
#include <string>

class SqliteConnection;

// Copies every page of `source` into `copy` (which then holds nothing else) in one step; SQLite reports a
// failure of either side on `copy`, and it is thrown through copy's Check. `copy` syncs as its settings say.
void CopyPages(SqliteConnection& source, SqliteConnection& copy);

// The first problem PRAGMA integrity_check finds in the open database; empty when it finds none.
std::string IntegrityProblem(SqliteConnection& connection);

// A short text that changes whenever the file is written: SQLite's change counter from the file header (which
// every commit in rollback-journal mode moves), the size and the time of the last write (which a commit in WAL
// mode, or another tool that replaces the file, moves; in whole seconds where the runtime gives no finer).
// Reads only the header and the file's entry; empty when there is no file.
std::string DatabaseStamp(const std::string& path);

#pragma once
// Copies a table of a Jet file into the SQLite table of the same name, as the older program's files are
// brought into the program's own form.
#include <string>
#include <vector>

class JetDatabase;
class SqliteConnection;

// Inserts the named columns of every row of the Jet table into the SQLite table of the same name and
// columns, each value as it stands: whole numbers as integers, text as UTF-8 text, other bytes as blobs.
// An empty text is stored as Null, which every table reads alike and which the diary's rule against empty
// texts takes. Returns the rows copied; throws JetFileError for the Jet file, CDaoException for SQLite. The
// caller holds the transaction.
size_t CopyJetTable(const JetDatabase& jet, const std::string& table, const std::vector<std::string>& columns,
                    SqliteConnection& connection);

#pragma once
// Checks, when a file from elsewhere is opened, that the tables a program reads are what they claim to be:
// a view or a virtual table under a table's name could run any query, and a trigger could write on a read.
#include <string>
#include <vector>

class CDaoDatabase;

struct ExpectedTable {
  std::string name;                  // UTF-8, compared without regard to case as SQLite names are
  std::vector<std::string> columns;  // the columns read; the table may hold more
};

// Throws CDaoException (unrecognised format, naming the file and what is wrong) unless every table is an
// ordinary table with its columns and without triggers. Only reads the schema.
void CheckTables(CDaoDatabase& database, const std::vector<ExpectedTable>& tables);

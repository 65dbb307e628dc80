#pragma once
// The tables of a reading-plan file (<year>.dat): the plan compiler writes them, the reading window checks
// and reads them, and the tests make them, all from this one list. Texts are stored as UTF-8. Portable and
// header-only, so that the compiler uses it without the rest of the database layer.
#include <string>
#include <vector>

namespace plan_file {

struct Column {
  const char* name;
  const char* type;
};
struct Table {
  const char* name;
  std::vector<Column> columns;
};

// YEAR holds the year's title, MONTH each month's; DAYRANGE the passage of each day under its key order1
// (0315 is 15 March), and DAY that day's verses in order2 order.
inline const std::vector<Table>& Tables() {
  static const std::vector<Table> tables = {
      {"YEAR", {{"year", "INTEGER"}, {"ytitle", "TEXT"}}},
      {"MONTH", {{"month", "INTEGER"}, {"mtitle", "TEXT"}}},
      {"DAYRANGE", {{"month", "INTEGER"}, {"day", "INTEGER"}, {"order1", "INTEGER"}, {"range", "TEXT"}}},
      {"DAY", {{"order1", "INTEGER"}, {"order2", "INTEGER"}, {"sec", "TEXT"}, {"body", "TEXT"}}},
  };
  return tables;
}

// "CREATE TABLE YEAR(year INTEGER, ytitle TEXT);" and so on for every table.
inline std::string CreateTablesSql() {
  std::string sql;
  for (const Table& table : Tables()) {
    sql += std::string("CREATE TABLE ") + table.name + "(";
    for (size_t i = 0; i < table.columns.size(); ++i)
      sql += std::string(i ? ", " : "") + table.columns[i].name + " " + table.columns[i].type;
    sql += ");";
  }
  return sql;
}

// The unique indexes of a compiled plan: they serve the program's lookups and guard the keys.
inline constexpr char kCreateIndexes[] =
    "CREATE UNIQUE INDEX YEAR_year ON YEAR(year);"
    "CREATE UNIQUE INDEX MONTH_month ON MONTH(month);"
    "CREATE UNIQUE INDEX DAYRANGE_month_day ON DAYRANGE(month, day);"
    "CREATE UNIQUE INDEX DAY_order1_order2 ON DAY(order1, order2);";

}  // namespace plan_file

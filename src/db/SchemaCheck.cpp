#include "db/SchemaCheck.h"

#include <sqlite3.h>

#include <algorithm>

#include "db/DaoDatabase.h"
#include "db/JetErrors.h"
#include "db/SqliteConnection.h"
#include "db/SameName.h"

namespace {

[[noreturn]] void Refuse(const CDaoDatabase& database, const std::string& why) {
  throw CDaoException("Unrecognized database format '" + database.GetName() + "': " + why + ".",
                      jet::kUnrecognizedFormat, database.GetName());
}

std::string ColumnText(const StatementLease& stmt, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), column));
  return text ? text : "";
}


}  // namespace

void CheckTables(CDaoDatabase& database, const std::vector<ExpectedTable>& tables) {
  SqliteConnection& connection = database.Connection();
  for (const ExpectedTable& table : tables) {
    auto object = connection.Prepare("SELECT type, sql FROM sqlite_master WHERE name = ?1 COLLATE NOCASE");
    object.BindText(1, table.name);
    if (!object.Step()) Refuse(database, "table " + table.name + " is missing");
    const std::string type = ColumnText(object, 0);
    const std::string sql = ColumnText(object, 1);
    if (type != "table") Refuse(database, table.name + " is a " + type + ", not a table");
    if (sqlite3_strnicmp(sql.c_str(), "CREATE VIRTUAL", 14) == 0) Refuse(database, table.name + " is a virtual table");

    auto triggers = connection.Prepare(
        "SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND tbl_name = ?1 COLLATE NOCASE");
    triggers.BindText(1, table.name);
    if (triggers.Step() && sqlite3_column_int(triggers.get(), 0) != 0)
      Refuse(database, "table " + table.name + " has triggers");

    std::vector<std::string> present;
    auto columns = connection.Prepare("SELECT name FROM pragma_table_info(?1)");
    columns.BindText(1, table.name);
    while (columns.Step()) present.push_back(ColumnText(columns, 0));
    for (const std::string& column : table.columns) {
      const bool found = std::any_of(present.begin(), present.end(),
                                     [&](const std::string& name) { return SameName(name, column); });
      if (!found) Refuse(database, "table " + table.name + " has no column " + column);
    }
  }
}

#include "db/JetTableCopy.h"

#include "db/JetDatabase.h"
#include "db/SqliteConnection.h"

namespace {

int Bind(sqlite3_stmt* statement, int index, const JetValue& value) {
  switch (value.kind) {
    case JetValue::Kind::kNull:
      return sqlite3_bind_null(statement, index);
    case JetValue::Kind::kBool:
    case JetValue::Kind::kInteger:
      return sqlite3_bind_int64(statement, index, value.integer);
    case JetValue::Kind::kMoney:
      return sqlite3_bind_double(statement, index, value.integer / 10000.0);
    case JetValue::Kind::kReal:
    case JetValue::Kind::kDateTime:
      return sqlite3_bind_double(statement, index, value.real);
    case JetValue::Kind::kText:
      if (value.bytes.empty()) return sqlite3_bind_null(statement, index);
      return sqlite3_bind_text(statement, index, value.bytes.data(), static_cast<int>(value.bytes.size()),
                               SQLITE_TRANSIENT);
    case JetValue::Kind::kBinary:
      return sqlite3_bind_blob(statement, index, value.bytes.data(), static_cast<int>(value.bytes.size()),
                               SQLITE_TRANSIENT);
  }
  return SQLITE_MISUSE;
}

}  // namespace

size_t CopyJetTable(const JetDatabase& jet, const std::string& table, const std::vector<std::string>& columns,
                    SqliteConnection& connection) {
  std::string names, places;
  for (const std::string& column : columns) {
    names += (names.empty() ? "" : ", ") + column;
    places += places.empty() ? "?" : ", ?";
  }
  StatementLease insert = connection.Prepare("INSERT INTO " + table + " (" + names + ") VALUES (" + places + ")");
  size_t copied = 0;
  jet.ReadRows(table, columns, [&](const std::vector<JetValue>& row) {
    for (size_t i = 0; i < row.size(); ++i)
      connection.Check(Bind(insert.get(), static_cast<int>(i + 1), row[i]), "copying a row of " + table);
    insert.Step();
    sqlite3_reset(insert.get());
    ++copied;
  });
  return copied;
}

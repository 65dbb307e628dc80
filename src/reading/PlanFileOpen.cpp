#include "reading/PlanFileOpen.h"

#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/JetDatabase.h"
#include "db/JetErrors.h"
#include "db/JetPages.h"
#include "db/JetTableCopy.h"
#include "db/PlanFileTables.h"
#include "db/SqliteConnection.h"
#include "db/SqliteTransaction.h"

namespace {

// The lookups' indexes of a compiled plan, without the uniqueness that a Jet file never promised.
std::string LookupIndexesSql() {
  std::string sql = plan_file::kCreateIndexes;
  for (size_t at; (at = sql.find("UNIQUE ")) != std::string::npos;) sql.erase(at, 7);
  return sql;
}

void ExecuteAll(SqliteConnection& connection, const std::string& sql) {
  connection.StartStep();
  connection.Check(sqlite3_exec(connection.Handle(), sql.c_str(), nullptr, nullptr, nullptr),
                   "making the plan's tables");
}

void ReadJetPlan(CDaoDatabase& planDb, const std::string& path) {
  const JetDatabase jet = JetDatabase::Open(path);
  planDb.CreateInMemory(path);
  SqliteConnection& connection = planDb.Connection();
  SqliteTransaction transaction(connection);
  ExecuteAll(connection, plan_file::CreateTablesSql());
  for (const plan_file::Table& table : plan_file::Tables()) {
    std::vector<std::string> columns;
    for (const plan_file::Column& column : table.columns) columns.push_back(column.name);
    CopyJetTable(jet, table.name, columns, connection);
  }
  ExecuteAll(connection, LookupIndexesSql());
  transaction.Commit();
}

}  // namespace

void OpenPlanDatabase(CDaoDatabase& planDb, const std::string& path, std::chrono::milliseconds stepLimit) {
  if (!IsJetFile(path)) {
    planDb.OpenImmutable(path, stepLimit);
    return;
  }
  try {
    ReadJetPlan(planDb, path);
    planDb.Connection().SetStepTimeLimit(stepLimit);
  } catch (const JetFileError& error) {
    planDb.Close();
    throw CDaoException("Unrecognized database format '" + path + "': " + error.what(), jet::kUnrecognizedFormat, path);
  } catch (const CDaoException&) {
    planDb.Close();
    throw;
  }
}

#include "reading/PlanFileSchema.h"

#include "db/DaoDatabase.h"
#include "db/PlanFileTables.h"
#include "db/SchemaCheck.h"

void CheckPlanFileSchema(CDaoDatabase& planDb) {
  std::vector<ExpectedTable> expected;
  for (const plan_file::Table& table : plan_file::Tables()) {
    expected.push_back({table.name, {}});
    for (const plan_file::Column& column : table.columns) expected.back().columns.push_back(column.name);
  }
  CheckTables(planDb, expected);
}

#include "reading/PlanFileSchema.h"

#include <chrono>

#include "db/DaoDatabase.h"
#include "db/PlanFileTables.h"
#include "db/SchemaCheck.h"
#include "db/SqliteConnection.h"

namespace {
// A day's lookup reads a few hundred rows through indexes; a plan file that needs more than this for one
// step of it is refused rather than let the window hang.
constexpr std::chrono::milliseconds kPlanStepLimit{1000};
}  // namespace

void CheckPlanFileSchema(CDaoDatabase& planDb) {
  std::vector<ExpectedTable> expected;
  for (const plan_file::Table& table : plan_file::Tables()) {
    expected.push_back({table.name, {}});
    for (const plan_file::Column& column : table.columns) expected.back().columns.push_back(column.name);
  }
  CheckTables(planDb, expected);
  planDb.Connection().SetStepTimeLimit(kPlanStepLimit);
}

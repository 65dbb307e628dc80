#include "reading/PlanFileSchema.h"

#include <chrono>

#include "db/DaoDatabase.h"
#include "db/SchemaCheck.h"
#include "db/SqliteConnection.h"

namespace {
// A day's lookup reads a few hundred rows through indexes; a plan file that needs more than this for one
// step of it is refused rather than let the window hang.
constexpr std::chrono::milliseconds kPlanStepLimit{1000};
}  // namespace

void CheckPlanFileSchema(CDaoDatabase& planDb) {
  CheckTables(planDb, {{"YEAR", {"year", "ytitle"}},
                       {"MONTH", {"month", "mtitle"}},
                       {"DAYRANGE", {"month", "day", "order1", "range"}},
                       {"DAY", {"order1", "order2", "sec", "body"}}});
  planDb.Connection().SetStepTimeLimit(kPlanStepLimit);
}

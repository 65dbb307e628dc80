#pragma once
// The tables and columns a reading-plan file must hold before any lookup runs on it, and the bound on the
// work of one step of a statement on it.
#include <chrono>

class CDaoDatabase;

// A day's lookup reads a few hundred rows through indexes; a plan file that needs more than this for one
// step of its opening, its checks or a lookup is refused rather than let the window hang.
constexpr std::chrono::milliseconds kPlanStepLimit{1000};

// Throws CDaoException naming the file unless YEAR, MONTH, DAYRANGE and DAY are ordinary tables with the
// columns the lookups read.
void CheckPlanFileSchema(CDaoDatabase& planDb);

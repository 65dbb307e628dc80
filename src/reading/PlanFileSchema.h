#pragma once
// The tables and columns a reading-plan file must hold before any lookup runs on it.
class CDaoDatabase;

// Throws CDaoException naming the file unless YEAR, MONTH, DAYRANGE and DAY are ordinary tables with the
// columns the lookups read.
void CheckPlanFileSchema(CDaoDatabase& planDb);

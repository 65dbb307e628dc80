#pragma once
// Reads a table's rows: its definition, the pages its map marks, and on each of them the rows that are
// neither deleted nor only the moved copy of a row (reached instead through the pointer left in its place).
#include <functional>
#include <string>
#include <vector>

#include "db/JetPages.h"
#include "db/JetTableDef.h"
#include "db/JetValue.h"

namespace jet_file {

class TableScan {
 public:
  TableScan(const Pages& pages, uint32_t definitionPage);

  const TableDef& Definition() const { return m_def; }
  // The column's place in a row's values, its name compared without regard to ASCII case; -1 when none.
  int ColumnIndex(const std::string& name) const;
  // Calls `visit` with each row's values, one per column in column order. Throws JetFileError.
  void ForEachRow(const std::function<void(const std::vector<JetValue>&)>& visit) const;

 private:
  const Pages& m_pages;
  uint32_t m_definitionPage;
  TableDef m_def;
};

}  // namespace jet_file

#include "db/JetTableScan.h"

#include "db/JetDataPage.h"
#include "db/JetRow.h"
#include "db/JetUsageMap.h"
#include "db/SameName.h"

namespace jet_file {

namespace {

constexpr uint8_t kDataPageType = 1;

}  // namespace

TableScan::TableScan(const Pages& pages, uint32_t definitionPage)
    : m_pages(pages), m_definitionPage(definitionPage), m_def(ReadTableDef(pages, definitionPage)) {}

int TableScan::ColumnIndex(const std::string& name) const {
  for (size_t i = 0; i < m_def.columns.size(); ++i)
    if (SameName(m_def.columns[i].name, name)) return static_cast<int>(i);
  return -1;
}

void TableScan::ForEachRow(const std::function<void(const std::vector<JetValue>&)>& visit) const {
  const Format& format = m_pages.GetFormat();
  std::vector<JetValue> values(m_def.columns.size());
  for (uint32_t number : ReadUsageMap(m_pages, m_def.usedPages)) {
    // The map may still mark a page the table gave up; only the table's own data pages hold its rows.
    if (m_pages.Page(number).U8(0) != kDataPageType) continue;
    const DataPage page(m_pages, number);
    if (page.Owner() != m_definitionPage) continue;
    for (unsigned r = 0; r < page.RowCount(); ++r) {
      const uint16_t flags = page.Flags(r);
      if (flags & kDeletedRow) continue;
      Bytes row = page.Row(r);
      if (flags & kMovedRow) row = MovedRowAt(m_pages, RowAddress::FromPointer(row.U32(0)));
      const std::vector<StoredField> fields = SplitRow(format, m_def, row);
      for (size_t c = 0; c < fields.size(); ++c) values[c] = DecodeValue(m_pages, m_def.columns[c], fields[c]);
      visit(values);
    }
  }
}

}  // namespace jet_file

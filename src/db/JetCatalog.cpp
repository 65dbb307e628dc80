#include "db/JetCatalog.h"

#include "db/JetTableScan.h"

namespace jet_file {

namespace {

constexpr int64_t kTableObject = 1;
constexpr uint32_t kPageOfId = 0x00FFFFFF;
constexpr int64_t kSystemFlags = static_cast<int64_t>(0x80000002);

}  // namespace

std::vector<CatalogTable> ReadCatalog(const Pages& pages) {
  std::vector<CatalogTable> tables;
  TableScan scan(pages, kCatalogPage);
  const int id = scan.ColumnIndex("Id"), name = scan.ColumnIndex("Name"), type = scan.ColumnIndex("Type"),
            flags = scan.ColumnIndex("Flags");
  if (id < 0 || name < 0 || type < 0 || flags < 0) Damaged("the catalog lacks a column it always has");
  scan.ForEachRow([&](const std::vector<JetValue>& row) {
    if (row[type].integer != kTableObject || row[type].kind != JetValue::Kind::kInteger) return;
    // A name that is no text (a damaged column definition) would be bytes taken for UTF-8.
    if (row[name].kind != JetValue::Kind::kText) Damaged("a table's name in the catalog is not text");
    CatalogTable table;
    table.name = row[name].bytes;
    table.definitionPage = static_cast<uint32_t>(row[id].integer) & kPageOfId;
    table.system = (row[flags].integer & kSystemFlags) != 0;
    tables.push_back(std::move(table));
  });
  return tables;
}

}  // namespace jet_file

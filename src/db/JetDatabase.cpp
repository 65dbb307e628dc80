#include "db/JetDatabase.h"

#include "db/JetCatalog.h"
#include "db/JetPages.h"
#include "db/JetTableScan.h"
#include "db/SameName.h"


JetDatabase JetDatabase::Open(const std::string& path) { return JetDatabase(ReadJetFileBytes(path)); }

JetDatabase::JetDatabase(std::string fileBytes) : m_pages(std::make_unique<jet_file::Pages>(std::move(fileBytes))) {}
JetDatabase::~JetDatabase() = default;
JetDatabase::JetDatabase(JetDatabase&&) noexcept = default;
JetDatabase& JetDatabase::operator=(JetDatabase&&) noexcept = default;

int JetDatabase::Version() const { return m_pages->GetFormat().version; }

const std::string& JetDatabase::FileBytes() const { return m_pages->FileBytes(); }

std::vector<std::string> JetDatabase::TableNames() const {
  std::vector<std::string> names;
  for (const jet_file::CatalogTable& table : jet_file::ReadCatalog(*m_pages))
    if (!table.system) names.push_back(table.name);
  return names;
}

uint32_t JetDatabase::DefinitionPage(const std::string& name) const {
  for (const jet_file::CatalogTable& table : jet_file::ReadCatalog(*m_pages))
    if (!table.system && SameName(table.name, name)) return table.definitionPage;
  throw JetFileError(JetFileError::Kind::kNoSuchTable, "The Jet database has no table '" + name + "'.");
}

void JetDatabase::ReadRows(const std::string& table, const std::vector<std::string>& columns,
                           const std::function<void(const std::vector<JetValue>&)>& visit) const {
  const jet_file::TableScan scan(*m_pages, DefinitionPage(table));
  std::vector<int> places;
  for (const std::string& column : columns) {
    places.push_back(scan.ColumnIndex(column));
    if (places.back() < 0)
      throw JetFileError(JetFileError::Kind::kNoSuchTable,
                         "The table '" + table + "' of the Jet database has no column '" + column + "'.");
  }
  std::vector<JetValue> picked(columns.size());
  scan.ForEachRow([&](const std::vector<JetValue>& row) {
    for (size_t i = 0; i < places.size(); ++i) picked[i] = row[places[i]];
    visit(picked);
  });
}

JetTable JetDatabase::ReadTable(const std::string& name) const {
  const jet_file::TableScan scan(*m_pages, DefinitionPage(name));
  JetTable table;
  for (const jet_file::Column& column : scan.Definition().columns) table.columns.push_back(column.name);
  scan.ForEachRow([&](const std::vector<JetValue>& row) { table.rows.push_back(row); });
  return table;
}

#include "db/DaoTableDef.h"

#include "db/DaoDatabase.h"
#include "db/JetErrors.h"
#include "db/JetStatement.h"
#include "db/SqliteConnection.h"
#include "db/SameName.h"

namespace {

constexpr long kMaxTextSize = 255;  // Jet's longest Text field

}  // namespace

CDaoTableDef::CDaoTableDef(CDaoDatabase* database) : m_pDatabase(database) {}

void CDaoTableDef::Create(const std::string& name, long /*attributes: local tables only*/) {
  if (name.empty()) jet::Throw(jet::kInvalidArgument, "A table needs a name.");
  m_strName = name;
  m_fields.clear();
  m_bCreated = true;
  m_bAppended = false;
}

void CDaoTableDef::CreateField(const std::string& name, short type, long size, long /*attributes*/) {
  if (!m_bCreated || m_bAppended) jet::Throw(jet::kObjectClosed, "Create the table definition before adding fields.");
  if (name.empty()) jet::Throw(jet::kInvalidArgument, "A field of table '" + m_strName + "' needs a name.");
  if (type != dbText && type != dbMemo)
    jet::Throw(jet::kInvalidFieldType, "Invalid field data type for field '" + name + "': only Text and Memo are supported.");
  if (type == dbText && size <= 0) size = kMaxTextSize;
  if (type == dbText && size > kMaxTextSize)
    jet::Throw(jet::kInvalidArgument, "Invalid field size for field '" + name + "': Text holds at most 255 characters.");
  for (const Field& field : m_fields)
    if (SameName(field.name, name)) jet::Throw(jet::kInvalidArgument, "Cannot define field '" + name + "' more than once.");
  m_fields.push_back({name, type, type == dbText ? size : 0});
}

// Jet's field rules become named CHECK constraints, which the layer turns back into Jet's messages:
// a Text field refuses more characters than its size; no field takes an empty text (AllowZeroLength
// false), while Null is accepted (Required false). Declared types keep SQLite's text affinity.
void CDaoTableDef::Append() {
  if (!m_bCreated || m_bAppended) jet::Throw(jet::kObjectClosed, "Create the table definition before appending it.");
  if (m_fields.empty())
    jet::Throw(jet::kInvalidArgument, "No field defined - cannot append table '" + m_strName + "'.");
  const std::string table = m_strName;
  std::string sql = "CREATE TABLE " + QuoteIdentifier(table) + " (";
  for (size_t i = 0; i < m_fields.size(); ++i) {
    const std::string column = m_fields[i].name;
    const std::string quoted = QuoteIdentifier(column);
    if (i) sql += ", ";
    sql += quoted;
    if (m_fields[i].type == dbText) {
      sql += " VARCHAR(" + std::to_string(m_fields[i].size) + ") CONSTRAINT " +
             QuoteIdentifier(jet::MaxLengthConstraintName(table, column, m_fields[i].size)) + " CHECK (length(" +
             quoted + ") <= " + std::to_string(m_fields[i].size) + ")";
    } else {
      sql += " LONGTEXT";
    }
    sql += " CONSTRAINT " + QuoteIdentifier(jet::NonEmptyConstraintName(table, column)) + " CHECK (" + quoted + " <> '')";
  }
  sql += ")";
  if (m_pDatabase == nullptr) jet::Throw(jet::kObjectClosed, "The table definition has no database.");
  SqliteConnection& connection = m_pDatabase->Connection();
  connection.StartStep();
  const int rc = sqlite3_exec(connection.Handle(), sql.c_str(), nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK && sqlite3_strnicmp(sqlite3_errmsg(connection.Handle()), "table ", 6) == 0 &&
      std::string(sqlite3_errmsg(connection.Handle())).find("already exists") != std::string::npos)
    jet::Throw(jet::kTableExists, "Table '" + m_strName + "' already exists.");
  connection.Check(rc, "creating table '" + m_strName + "'");
  m_bAppended = true;
}

void CDaoTableDef::Close() {
  m_strName.clear();
  m_fields.clear();
  m_bCreated = false;
  m_bAppended = false;
}

#include "db/DaoRecordset.h"

#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "db/DaoDatabase.h"
#include "db/JetErrors.h"
#include "db/JetStatement.h"
#include "db/SqliteConnection.h"
#include "db/SameName.h"

namespace {

// Jet's 16-bit Integer columns, as SQL declares them.
bool IsSmallIntType(const char* declared) {
  if (declared == nullptr) return false;
  const std::string type(declared);
  return SameName(type, "SMALLINT") || SameName(type, "SHORT") || SameName(type, "INT2") ||
         sqlite3_strnicmp(declared, "SMALLINT(", 9) == 0;
}

struct Cell {
  int type = SQLITE_NULL;
  int64_t integer = 0;
  double real = 0;
  std::string bytes;  // text (UTF-8) or blob
};

struct Row {
  std::vector<Cell> cells;
  int64_t rowid = 0;
  bool deleted = false;
};

struct ResultColumn {
  std::string name;   // UTF-8, as SQLite names the result column
  std::string table;  // UTF-8; empty when the statement does not say
  bool smallInt = false;
};

FieldValue ToFieldValue(const Cell& cell, bool smallInt) {
  FieldValue value;
  switch (cell.type) {
    case SQLITE_INTEGER:
      // Widths as Jet knows them; larger numbers must not wrap: currency holds them exactly up to
      // about 9e14, a double beyond.
      if (smallInt && cell.integer >= INT16_MIN && cell.integer <= INT16_MAX) {
        value.vt = variant::VT_I2;
        value.iVal = static_cast<int16_t>(cell.integer);
      } else if (cell.integer >= INT32_MIN && cell.integer <= INT32_MAX) {
        value.vt = variant::VT_I4;
        value.lVal = static_cast<int32_t>(cell.integer);
      } else if (cell.integer >= INT64_MIN / 10000 && cell.integer <= INT64_MAX / 10000) {
        value.vt = variant::VT_CY;
        value.cyVal = cell.integer * 10000;
      } else {
        value.vt = variant::VT_R8;
        value.dblVal = static_cast<double>(cell.integer);
      }
      break;
    case SQLITE_FLOAT:
      value.vt = variant::VT_R8;
      value.dblVal = cell.real;
      break;
    case SQLITE_TEXT:
      value.vt = variant::VT_BSTR;
      value.bytes = cell.bytes;
      break;
    case SQLITE_BLOB:
      value.vt = variant::VT_ARRAY | variant::VT_UI1;
      value.bytes = cell.bytes;
      break;
    default: value.vt = variant::VT_NULL; break;
  }
  return value;
}

Cell ReadCell(sqlite3_stmt* stmt, int column) {
  Cell cell;
  cell.type = sqlite3_column_type(stmt, column);
  switch (cell.type) {
    case SQLITE_INTEGER: cell.integer = sqlite3_column_int64(stmt, column); break;
    case SQLITE_FLOAT: cell.real = sqlite3_column_double(stmt, column); break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      const void* data = cell.type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_column_text(stmt, column))
                                                   : sqlite3_column_blob(stmt, column);
      const int size = sqlite3_column_bytes(stmt, column);
      if (data != nullptr) cell.bytes.assign(static_cast<const char*>(data), static_cast<size_t>(size));
      break;
    }
    default: break;
  }
  return cell;
}

}  // namespace

class CDaoRecordset::Impl {
 public:
  enum class EditMode { kNone, kEdit, kAddNew };

  JetSelect query;
  bool updatable = false;
  std::vector<ResultColumn> columns;
  std::vector<Row> rows;
  size_t current = 0;
  EditMode editMode = EditMode::kNone;
  std::vector<std::pair<size_t, std::string>> pending;  // column, new text (UTF-8)
  static constexpr size_t kRememberedNames = 16;
  mutable std::vector<std::pair<std::string, size_t>> foundColumns;  // name as asked for, column

  bool AtEnd() const { return current >= rows.size(); }

  // Readers ask for the same few names row after row; each name is looked up once per opening.
  size_t FindColumn(const std::string& fieldName) const {
    for (const auto& known : foundColumns)
      if (known.first == fieldName) return known.second;
    const size_t found = LookUpColumn(fieldName);
    if (foundColumns.size() < kRememberedNames) foundColumns.emplace_back(fieldName, found);
    return found;
  }

  size_t LookUpColumn(const std::string& fieldName) const {
    const std::string_view name = fieldName;
    std::string_view table, column = name;
    const size_t dot = name.find('.');
    if (dot != std::string_view::npos) table = name.substr(0, dot), column = name.substr(dot + 1);
    size_t found = columns.size();
    for (size_t i = 0; i < columns.size(); ++i) {
      if (!SameName(columns[i].name, column)) continue;
      if (!table.empty() && !columns[i].table.empty() && !SameName(columns[i].table, table)) continue;
      if (found == columns.size()) {
        found = i;
      } else if (!SameName(columns[found].table, columns[i].table)) {
        jet::Throw(jet::kItemNotFound, "Item not found in this collection: the field name '" + fieldName +
                                           "' is ambiguous; put its table before it, as in TABLE." + fieldName + ".");
      }
    }
    if (found == columns.size())
      jet::Throw(jet::kItemNotFound, "Item not found in this collection: there is no field '" + fieldName + "'.");
    return found;
  }

  // Reads the one row with this row id again, as the statement's columns show it.
  bool ReloadRow(SqliteConnection& connection, int64_t rowid, Row& row) const {
    JetSelect single = query;
    single.whereSql = QuoteIdentifier(query.tables.front()) + ".rowid = ?";
    single.orderSql.clear();
    auto stmt = connection.Prepare(single.ToSqlite(true));
    stmt.BindInt64(1, rowid);
    if (!stmt.Step()) return false;
    row.cells.clear();
    for (size_t i = 0; i < columns.size(); ++i) row.cells.push_back(ReadCell(stmt.get(), static_cast<int>(i)));
    row.rowid = rowid;
    row.deleted = false;
    return true;
  }
};

CDaoRecordset::CDaoRecordset(CDaoDatabase* database) : m_pDatabase(database) {}

CDaoRecordset::~CDaoRecordset() = default;

namespace {

[[noreturn]] void ThrowNotOpen() { jet::Throw(jet::kObjectClosed, "The recordset is not open."); }

}  // namespace

void CDaoRecordset::Open(int openType, const std::string& sql, int /*options*/) {
  // A recordset left open by an earlier error is simply opened anew.
  Close();
  if (openType != dbOpenDynaset)
    jet::Throw(jet::kInvalidArgument, "Only dynaset recordsets (open type 2) are supported.");
  if (m_pDatabase == nullptr) jet::Throw(jet::kObjectClosed, "The recordset has no database.");
  SqliteConnection& connection = m_pDatabase->Connection();

  auto impl = std::make_unique<Impl>();
  impl->query = ParseJetStatement(sql);
  const JetSelect& query = impl->query;

  // Rows of a one-table statement keep their row id so that they can be changed; a table without row
  // ids (WITHOUT ROWID) gives read-only rows.
  bool withRowid = query.tables.size() == 1;
  std::optional<StatementLease> stmt;
  try {
    stmt.emplace(connection.Prepare(query.ToSqlite(withRowid)));
  } catch (const CDaoException&) {
    if (!withRowid) throw;
    withRowid = false;
    stmt.emplace(connection.Prepare(query.ToSqlite(false)));
  }
  impl->updatable = withRowid;

  for (size_t i = 0; i < query.parameters.size(); ++i) {
    const JetParameter& parameter = query.parameters[i];
    if (parameter.isText)
      stmt->BindText(static_cast<int>(i + 1), parameter.text);
    else
      stmt->BindInt64(static_cast<int>(i + 1), parameter.number);
  }

  sqlite3_stmt* raw = stmt->get();
  const int columnCount = sqlite3_column_count(raw) - (withRowid ? 1 : 0);
  std::vector<std::string> tableOfColumn(static_cast<size_t>(columnCount));
  if (query.selectAll && query.tables.size() > 1) {
    // '*' over several tables: each table gives its columns in turn.
    size_t next = 0;
    for (const std::string& table : query.tables) {
      auto probe = connection.Prepare("SELECT * FROM " + QuoteIdentifier(table));
      for (int i = 0; i < sqlite3_column_count(probe.get()) && next < tableOfColumn.size(); ++i)
        tableOfColumn[next++] = table;
    }
  }
  for (int i = 0; i < columnCount; ++i) {
    ResultColumn column;
    const char* name = sqlite3_column_name(raw, i);
    column.name = name ? name : "";
    if (query.tables.size() == 1)
      column.table = query.tables.front();
    else if (!query.selectAll)
      column.table = query.columns[static_cast<size_t>(i)].table;
    else
      column.table = tableOfColumn[static_cast<size_t>(i)];
    column.smallInt = IsSmallIntType(sqlite3_column_decltype(raw, i));
    impl->columns.push_back(std::move(column));
  }

  while (stmt->Step()) {
    Row row;
    row.cells.reserve(static_cast<size_t>(columnCount));
    for (int i = 0; i < columnCount; ++i) row.cells.push_back(ReadCell(raw, i));
    if (withRowid) row.rowid = sqlite3_column_int64(raw, columnCount);
    impl->rows.push_back(std::move(row));
  }
  m_impl = std::move(impl);
}

bool CDaoRecordset::IsOpen() const noexcept { return m_impl != nullptr; }

bool CDaoRecordset::IsEOF() const { return !m_impl || m_impl->AtEnd(); }

FieldValue CDaoRecordset::GetFieldValue(const std::string& fieldName) {
  if (!m_impl) ThrowNotOpen();
  if (m_impl->AtEnd()) jet::Throw(jet::kNoCurrentRecord, "No current record.");
  const Row& row = m_impl->rows[m_impl->current];
  if (row.deleted) jet::Throw(jet::kRecordDeleted, "Record is deleted.");
  const size_t column = m_impl->FindColumn(fieldName);
  return ToFieldValue(row.cells[column], m_impl->columns[column].smallInt);
}

void CDaoRecordset::MoveNext() {
  if (!m_impl) ThrowNotOpen();
  if (m_impl->AtEnd()) jet::Throw(jet::kNoCurrentRecord, "No current record.");
  m_impl->editMode = Impl::EditMode::kNone;  // moving away drops an unsaved edit, as Jet does
  m_impl->pending.clear();
  ++m_impl->current;
}

namespace {

void RequireUpdatable(bool updatable, const std::vector<std::string>& tables) {
  if (updatable) return;
  jet::Throw(jet::kReadOnly, tables.size() > 1
                                 ? "Cannot update. Database or object is read-only: the rows of a statement over "
                                   "several tables cannot be changed."
                                 : "Cannot update. Database or object is read-only: the table has no row ids.");
}

}  // namespace

void CDaoRecordset::AddNew() {
  if (!m_impl) ThrowNotOpen();
  RequireUpdatable(m_impl->updatable, m_impl->query.tables);
  m_impl->editMode = Impl::EditMode::kAddNew;
  m_impl->pending.clear();
}

void CDaoRecordset::Edit() {
  if (!m_impl) ThrowNotOpen();
  RequireUpdatable(m_impl->updatable, m_impl->query.tables);
  if (m_impl->AtEnd()) jet::Throw(jet::kNoCurrentRecord, "No current record.");
  if (m_impl->rows[m_impl->current].deleted) jet::Throw(jet::kRecordDeleted, "Record is deleted.");
  m_impl->editMode = Impl::EditMode::kEdit;
  m_impl->pending.clear();
}

void CDaoRecordset::SetFieldValue(const std::string& fieldName, const std::string& text) {
  if (!m_impl) ThrowNotOpen();
  if (m_impl->editMode == Impl::EditMode::kNone)
    jet::Throw(jet::kUpdateWithoutEdit, "Update or CancelUpdate without AddNew or Edit.");
  const size_t column = m_impl->FindColumn(fieldName);
  std::string value = text;
  for (auto& change : m_impl->pending) {
    if (change.first == column) {
      change.second = std::move(value);
      return;
    }
  }
  m_impl->pending.emplace_back(column, std::move(value));
}

void CDaoRecordset::Update() {
  if (!m_impl) ThrowNotOpen();
  Impl& impl = *m_impl;
  if (impl.editMode == Impl::EditMode::kNone)
    jet::Throw(jet::kUpdateWithoutEdit, "Update or CancelUpdate without AddNew or Edit.");
  SqliteConnection& connection = m_pDatabase->Connection();
  const std::string table = QuoteIdentifier(impl.query.tables.front());
  const bool adding = impl.editMode == Impl::EditMode::kAddNew;

  // One statement in autocommit mode: on disk (synchronous FULL) when it returns.
  std::string sql;
  if (adding) {
    std::string names, values;
    for (const auto& change : impl.pending) {
      names += (names.empty() ? "" : ", ") + QuoteIdentifier(impl.columns[change.first].name);
      values += values.empty() ? "?" : ", ?";
    }
    sql = impl.pending.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                               : "INSERT INTO " + table + " (" + names + ") VALUES (" + values + ")";
  } else if (!impl.pending.empty()) {
    std::string assignments;
    for (const auto& change : impl.pending)
      assignments += (assignments.empty() ? "" : ", ") + QuoteIdentifier(impl.columns[change.first].name) + " = ?";
    sql = "UPDATE " + table + " SET " + assignments + " WHERE rowid = ?";
  }
  int64_t rowid = adding ? 0 : impl.rows[impl.current].rowid;
  if (!sql.empty()) {
    auto stmt = connection.Prepare(sql);
    int index = 1;
    for (const auto& change : impl.pending) stmt.BindText(index++, change.second);
    if (!adding) stmt.BindInt64(index, rowid);
    stmt.Step();
    if (!adding && sqlite3_changes(connection.Handle()) == 0) jet::Throw(jet::kRecordDeleted, "Record is deleted.");
    if (adding) rowid = sqlite3_last_insert_rowid(connection.Handle());
  }

  Row row;
  if (impl.ReloadRow(connection, rowid, row)) {
    if (adding) {
      // The new row joins the end of the set; the position stays where it was (at the end, if there).
      const bool wasAtEnd = impl.AtEnd();
      impl.rows.push_back(std::move(row));
      if (wasAtEnd) impl.current = impl.rows.size();
    } else {
      impl.rows[impl.current] = std::move(row);
    }
  }
  impl.editMode = Impl::EditMode::kNone;
  impl.pending.clear();
}

void CDaoRecordset::Delete() {
  if (!m_impl) ThrowNotOpen();
  Impl& impl = *m_impl;
  RequireUpdatable(impl.updatable, impl.query.tables);
  if (impl.AtEnd()) jet::Throw(jet::kNoCurrentRecord, "No current record.");
  Row& row = impl.rows[impl.current];
  if (row.deleted) jet::Throw(jet::kRecordDeleted, "Record is deleted.");
  SqliteConnection& connection = m_pDatabase->Connection();
  auto stmt = connection.Prepare("DELETE FROM " + QuoteIdentifier(impl.query.tables.front()) + " WHERE rowid = ?");
  stmt.BindInt64(1, row.rowid);
  stmt.Step();
  const bool removed = sqlite3_changes(connection.Handle()) > 0;
  impl.editMode = Impl::EditMode::kNone;
  impl.pending.clear();
  row.deleted = true;  // gone either way: deleted now, or by someone else before
  if (!removed) jet::Throw(jet::kRecordDeleted, "Record is deleted.");
}

void CDaoRecordset::Close() noexcept { m_impl.reset(); }

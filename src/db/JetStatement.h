#pragma once
// The engine's SQL dialect as the program uses it, translated to SQLite: SELECT with a column list or
// '*'; FROM one or more tables; WHERE with =, <>, <, >, <=, >=, AND, OR, NOT, parentheses and
// [NOT] LIKE with Jet wildcards; text literals in single or double quotes; whole numbers; ORDER BY with
// ASC/DESC. Literals become bound parameters, so equal statement shapes share one prepared statement.
// Everything else is refused with a description of what was not understood.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct JetColumn {
  std::string table;  // empty when the name is not qualified
  std::string name;
};

struct JetParameter {
  bool isText = false;
  std::string text;  // UTF-8
  int64_t number = 0;
};

struct JetSelect {
  std::vector<std::string> tables;
  bool selectAll = false;
  std::vector<JetColumn> columns;  // the select list unless selectAll
  std::string whereSql;            // SQLite condition with '?' for each parameter; empty for none
  std::string orderSql;            // SQLite ORDER BY list; empty for none
  std::vector<JetParameter> parameters;

  // The SQLite statement; withRowid adds the row id of the (one) table as the last column.
  std::string ToSqlite(bool withRowid) const;
};

// Parses one statement (UTF-8). Throws CDaoException saying what was not understood and where.
JetSelect ParseJetStatement(std::string_view statement);

// An SQLite identifier in double quotes.
std::string QuoteIdentifier(std::string_view name);

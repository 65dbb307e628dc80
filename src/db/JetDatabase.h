#pragma once
// A Jet 3 or Jet 4 database file (an Access .mdb), read only: the file is read whole at opening and its
// tables are read by name. Every fault of the file is a JetFileError; nothing is ever written.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/JetFileError.h"
#include "db/JetValue.h"

namespace jet_file {
class Pages;
}

struct JetTable {
  std::vector<std::string> columns;  // UTF-8 names, in column order
  std::vector<std::vector<JetValue>> rows;
};

class JetDatabase {
 public:
  // Reads the file at the UTF-8 path and checks its header (see JetPages.h).
  static JetDatabase Open(const std::string& path);
  // The same for bytes already read.
  explicit JetDatabase(std::string fileBytes);
  ~JetDatabase();
  JetDatabase(JetDatabase&&) noexcept;
  JetDatabase& operator=(JetDatabase&&) noexcept;

  int Version() const;  // 3 or 4
  const std::string& FileBytes() const;
  // The names of the user's tables, as the catalog lists them.
  std::vector<std::string> TableNames() const;
  // Calls `visit` with the values of the named columns of each row, in the order named. kNoSuchTable when
  // the file has no user table of that name or the table lacks a column (names compared without regard to
  // ASCII case).
  void ReadRows(const std::string& table, const std::vector<std::string>& columns,
                const std::function<void(const std::vector<JetValue>&)>& visit) const;
  // Every column and row of the table.
  JetTable ReadTable(const std::string& table) const;

 private:
  uint32_t DefinitionPage(const std::string& table) const;

  std::unique_ptr<jet_file::Pages> m_pages;
};

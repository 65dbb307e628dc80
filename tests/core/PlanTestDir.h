#pragma once
// A program folder for reading-plan tests. Plan files are written straight through SQLite, text stored as
// UTF-8 as the plan compiler stores it, and read back by the program through the database layer.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "TestFiles.h"
#include "db/PlanFileTables.h"

class PlanTestDir {
 public:
  PlanTestDir() : m_programDir(m_files.ProgramDir()) {}

  // The folder as a program directory: UTF-8 text ending in the separator.
  const std::string& ProgramDir() const { return m_programDir; }
  // Makes the program directory a subfolder named by UTF-8 text.
  void UseSubDir(const std::string& name) { m_programDir = m_files.MakeSubDir(name); }

  // Writes "<year>.dat": the four plan tables (no indexes, so order comes from the query alone), then
  // the given UTF-8 SQL.
  void WritePlan(int year, const std::string& utf8Sql) const {
    sqlite3* db = nullptr;
    const std::string path = File(std::to_string(year) + ".dat").u8string();
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char* error = nullptr;
    if (rc == SQLITE_OK)
      rc = sqlite3_exec(db, (plan_file::CreateTablesSql() + utf8Sql).c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : (db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("test plan " + path + ": " + message);
  }

  // A file that is no database.
  void WriteJunk(const std::string& name) const { std::ofstream(File(name), std::ios::binary) << "not a plan"; }
  // Overwrites every page of a database file but the first, which holds the schema: the file still opens,
  // and its tables read as damaged.
  void DamagePages(const std::string& name) const { DamagePagesAt(File(name).u8string()); }
  static void DamagePagesAt(const std::string& path) {
    const std::string bytes = TestFiles::Read(path);
    const size_t pageSize = (static_cast<unsigned char>(bytes.at(16)) << 8) | static_cast<unsigned char>(bytes.at(17));
    std::ofstream(TestFiles::FsPath(path), std::ios::binary)
        << bytes.substr(0, pageSize) << std::string(bytes.size() - pageSize, 'U');
  }
  void Remove(const std::string& name) const { std::filesystem::remove(File(name)); }

 private:
  std::filesystem::path File(const std::string& name) const { return TestFiles::FsPath(m_programDir + name); }

  TestFiles m_files;
  std::string m_programDir;
};

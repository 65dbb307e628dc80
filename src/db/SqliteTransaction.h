#pragma once
// One SQLite transaction held by a scope: it begins in the constructor and is rolled back in the
// destructor unless Commit() succeeded, so a write of several statements lands whole or not at all.
// Begin and commit failures are reported by the caller's runner (an exception of its own kind); the
// destructor never throws. Used by the database layer and by the plan compiler, which has no
// SqliteConnection of its own.
#include <sqlite3.h>

#include <functional>
#include <string>

#include "db/SqliteConnection.h"

class SqliteTransaction {
 public:
  // Runs one statement and throws on failure.
  using Runner = std::function<void(const std::string& sql)>;

  SqliteTransaction(sqlite3* db, Runner run, const std::string& begin = "BEGIN") : m_db(db), m_run(std::move(run)) {
    m_run(begin);
  }
  explicit SqliteTransaction(SqliteConnection& connection, const std::string& begin = "BEGIN")
      : SqliteTransaction(
            connection.Handle(), [&connection](const std::string& sql) { connection.Execute(sql); }, begin) {}
  ~SqliteTransaction() {
    // A failed COMMIT may leave the transaction open (a busy file, a deferred constraint); SQLite may
    // also have ended it already, in which case there is nothing to undo.
    if (!m_committed && !sqlite3_get_autocommit(m_db)) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
  }
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

  void Commit() {
    m_run("COMMIT");
    m_committed = true;
  }

 private:
  sqlite3* m_db;
  Runner m_run;
  bool m_committed = false;
};

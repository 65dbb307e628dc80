#pragma once
// RAII over one SQLite connection and its prepared statements. Every SQLite failure passes through
// Check(), which turns it into a CDaoException with a readable description.
#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

class SqliteConnection;

// Owns one sqlite3_stmt*.
class SqliteStatement {
 public:
  explicit SqliteStatement(sqlite3_stmt* stmt = nullptr) : m_stmt(stmt) {}
  ~SqliteStatement() { sqlite3_finalize(m_stmt); }
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;
  sqlite3_stmt* get() const { return m_stmt; }

 private:
  sqlite3_stmt* m_stmt;
  friend class StatementLease;
  friend class SqliteConnection;
  bool m_bInUse = false;
};

// A prepared statement borrowed from the connection's cache. Giving it back resets it and clears its
// bindings, so no read transaction outlives its use.
class StatementLease {
 public:
  StatementLease(SqliteConnection& connection, std::shared_ptr<SqliteStatement> stmt);
  ~StatementLease();
  StatementLease(StatementLease&& other) noexcept = default;
  StatementLease(const StatementLease&) = delete;
  StatementLease& operator=(const StatementLease&) = delete;

  sqlite3_stmt* get() const { return m_stmt->get(); }
  void BindText(int index, const std::string& utf8);
  void BindInt64(int index, int64_t value);
  // Steps once: true on a row, false when done; failures throw.
  bool Step();

 private:
  SqliteConnection& m_connection;
  std::shared_ptr<SqliteStatement> m_stmt;  // null once moved from
};

class SqliteConnection {
 public:
  static constexpr std::chrono::milliseconds kDefaultStepLimit{5000};

  // Opens an existing database file (UTF-8 path). Anything that is not an SQLite database is
  // refused with an exception naming the file, and the file is not written to.
  static std::unique_ptr<SqliteConnection> OpenExisting(const std::string& path, bool readOnly = false);
  // Opens an existing file that nobody changes while it is open, read-only and without file locks, so a
  // read costs no lock calls; the same checks and bounds as OpenExisting apply. `stepLimit` bounds each step
  // from the first read of the file on (see SetStepTimeLimit).
  static std::unique_ptr<SqliteConnection> OpenImmutable(const std::string& path,
                                                         std::chrono::milliseconds stepLimit = kDefaultStepLimit);
  // Makes a new database file; an existing file is refused.
  static std::unique_ptr<SqliteConnection> CreateNew(const std::string& path);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  sqlite3* Handle() const { return m_db; }
  const std::string& Path() const { return m_strPath; }

  // Throws CDaoException unless rc is SQLITE_OK, SQLITE_ROW or SQLITE_DONE; context says what was done.
  void Check(int rc, const std::string& context) const;
  // Runs SQL text (UTF-8) that returns no rows.
  void Execute(const std::string& utf8Sql);
  // A prepared statement for the SQL text (UTF-8), kept for reuse by its text.
  StatementLease Prepare(const std::string& utf8Sql);

  // The time one step of a statement may take before it is stopped (SQLITE_INTERRUPT). A file from
  // elsewhere can hide endless work behind a plain query; this bounds it, and the temporary space it takes.
  void SetStepTimeLimit(std::chrono::milliseconds limit) { m_stepLimit = limit; }
  // Called before each step: the time limit counts from here.
  void StartStep() { m_stepDeadline = std::chrono::steady_clock::now() + m_stepLimit; }

 private:
  SqliteConnection(sqlite3* db, std::string path) : m_db(db), m_strPath(std::move(path)) {}
  static std::unique_ptr<SqliteConnection> OpenChecked(const std::string& path, int flags, bool immutable,
                                                       std::chrono::milliseconds stepLimit = kDefaultStepLimit);
  // The journal and sync settings matter only to a connection that writes.
  void ApplySettings(bool writes = true);
  static int OnProgress(void* self);

  sqlite3* m_db;
  std::string m_strPath;  // for messages
  std::unordered_map<std::string, std::shared_ptr<SqliteStatement>> m_cache;
  std::chrono::milliseconds m_stepLimit = kDefaultStepLimit;
  std::chrono::steady_clock::time_point m_stepDeadline = std::chrono::steady_clock::time_point::max();
};

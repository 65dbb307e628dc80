#include "db/SqliteConnection.h"

#include <system_error>

#include "db/DatabaseFileCheck.h"
#include "db/JetErrors.h"
#include "db/JetLike.h"
#include "base/FilePath.h"

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr size_t kCacheLimit = 64;
constexpr int kCacheKiB = 16384;
// No verse or diary text comes near this; a longer one marks a file made to exhaust the program.
constexpr int kMaxTextBytes = 16 * 1024 * 1024;
// SQLite calls the progress handler after this many of its virtual machine's steps.
constexpr int kProgressSteps = 10000;

// SQLite reads "file:" names as URIs; a path is always a plain name here.
std::string SqliteFileName(const std::string& path) {
  std::string utf8 = path;
  if (utf8.size() >= 5 && sqlite3_strnicmp(utf8.c_str(), "file:", 5) == 0) utf8.insert(0, "./");
  return utf8;
}

// The path as an SQLite URI with the immutable parameter: every byte but the unreserved ones is escaped,
// so no character of a name can end the path or add a parameter.
std::string ImmutableUri(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (unsigned char c : path) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri + "?immutable=1";
}

// Opens the file, or throws naming it; the handle is closed again on failure.
sqlite3* OpenHandle(const std::string& path, int flags, bool immutable = false) {
  sqlite3* db = nullptr;
  const std::string name = immutable ? ImmutableUri(path) : SqliteFileName(path);
  if (immutable) flags |= SQLITE_OPEN_URI;
  // A connection is only ever used by one thread at a time, so SQLite need not lock it on every call.
  const int rc = sqlite3_open_v2(name.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    const std::string message = db ? std::string(sqlite3_errmsg(db)) : "out of memory";
    sqlite3_close(db);
    jet::Throw(rc == SQLITE_CANTOPEN ? jet::kFileNotFound : jet::kUnrecognizedFormat,
               "Cannot open database file '" + path + "': " + message + ".");
  }
  sqlite3_extended_result_codes(db, 1);
  // A quoted name that names no column must be an error, never a text constant.
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  // Plan files are passed around and the diary can be replaced by anyone: the schema of a file is not
  // trusted to run functions with side effects, nor may a statement write the schema itself.
  sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxTextBytes);
  return db;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------

StatementLease::StatementLease(SqliteConnection& connection, std::shared_ptr<SqliteStatement> stmt)
    : m_connection(connection), m_stmt(std::move(stmt)) {
  m_stmt->m_bInUse = true;
}

StatementLease::~StatementLease() {
  if (!m_stmt) return;
  sqlite3_reset(m_stmt->get());
  sqlite3_clear_bindings(m_stmt->get());
  m_stmt->m_bInUse = false;
}

void StatementLease::BindText(int index, const std::string& utf8) {
  m_connection.Check(sqlite3_bind_text(get(), index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT),
                     "binding a value");
}

void StatementLease::BindInt64(int index, int64_t value) {
  m_connection.Check(sqlite3_bind_int64(get(), index, value), "binding a value");
}

bool StatementLease::Step() {
  m_connection.StartStep();
  const int rc = sqlite3_step(get());
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  m_connection.Check(rc, "running the statement");
  return false;
}

// ---------------------------------------------------------------------------------------------------

std::unique_ptr<SqliteConnection> SqliteConnection::OpenExisting(const std::string& path, bool readOnly) {
  return OpenChecked(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, false);
}

std::unique_ptr<SqliteConnection> SqliteConnection::OpenImmutable(const std::string& path,
                                                                 std::chrono::milliseconds stepLimit) {
  return OpenChecked(path, SQLITE_OPEN_READONLY, true, stepLimit);
}

std::unique_ptr<SqliteConnection> SqliteConnection::OpenChecked(const std::string& path, int flags, bool immutable,
                                                                std::chrono::milliseconds stepLimit) {
  CheckDatabaseFile(path);
  std::unique_ptr<SqliteConnection> connection(new SqliteConnection(OpenHandle(path, flags, immutable), path));
  connection->m_stepLimit = stepLimit;
  sqlite3_busy_timeout(connection->m_db, kBusyTimeoutMs);
  sqlite3_progress_handler(connection->m_db, kProgressSteps, &SqliteConnection::OnProgress, connection.get());
  connection->StartStep();
  // A cheap read of the schema: SQLite looks into the file only now.
  const int rc = sqlite3_exec(connection->m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_NOMEM) connection->Check(rc, "reading the database schema");
  if (rc != SQLITE_OK)
    jet::Throw(jet::kUnrecognizedFormat,
               "Unrecognized database format '" + path + "': " + sqlite3_errmsg(connection->m_db) + ".");
  connection->ApplySettings(!immutable);
  return connection;
}

std::unique_ptr<SqliteConnection> SqliteConnection::CreateNew(const std::string& path) {
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(FileSystemPath(path), error)))
    jet::Throw(jet::kDatabaseExists, "Database '" + path + "' already exists.");
  std::unique_ptr<SqliteConnection> connection(
      new SqliteConnection(OpenHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), path));
  sqlite3_busy_timeout(connection->m_db, kBusyTimeoutMs);
  sqlite3_progress_handler(connection->m_db, kProgressSteps, &SqliteConnection::OnProgress, connection.get());
  bool ours = true;
  try {
    // A transaction left open by a failure below ends with the connection, which rolls it back.
    connection->Execute("BEGIN IMMEDIATE");
    // Under the write lock the file must still be empty: nobody made it in the meantime.
    if (std::filesystem::file_size(FileSystemPath(path), error) != 0 || error) {
      ours = false;
      jet::Throw(jet::kDatabaseExists, "Database '" + path + "' already exists.");
    }
    // SQLite leaves a new file empty until its first write; write the header now so that the file is a
    // database when it is opened again.
    connection->Execute("PRAGMA user_version = 1");
    connection->Execute("COMMIT");
    connection->ApplySettings();
  } catch (const CDaoException&) {
    // An empty file left behind would be refused by every later open, and block the next creation.
    connection.reset();
    if (ours) std::filesystem::remove(FileSystemPath(path), error);
    throw;
  }
  return connection;
}

std::unique_ptr<SqliteConnection> SqliteConnection::CreateInMemory(const std::string& path) {
  std::unique_ptr<SqliteConnection> connection(
      new SqliteConnection(OpenHandle(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), path));
  sqlite3_progress_handler(connection->m_db, kProgressSteps, &SqliteConnection::OnProgress, connection.get());
  connection->ApplySettings(false);
  return connection;
}

SqliteConnection::~SqliteConnection() {
  m_cache.clear();
  sqlite3_close_v2(m_db);
}

int SqliteConnection::OnProgress(void* self) {
  const auto* connection = static_cast<const SqliteConnection*>(self);
  return std::chrono::steady_clock::now() > connection->m_stepDeadline ? 1 : 0;
}

void SqliteConnection::ApplySettings(bool writes) {
  if (writes) {
    // A rollback journal (a file left in WAL mode by another tool keeps it: switching would write to the
    // file), and full syncs so that every update is on disk when it returns.
    bool wal = false;
    {
      auto mode = Prepare("PRAGMA journal_mode");
      if (mode.Step()) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(mode.get(), 0));
        wal = name && sqlite3_stricmp(name, "wal") == 0;
      }
    }
    if (!wal) Execute("PRAGMA journal_mode = DELETE");
    Execute("PRAGMA synchronous = FULL");
  }
  // Room for a diary of many thousand entries: a scan of a file larger than the cache reads every page
  // from the file again, and a sort larger than it goes through a temporary file. The cache only takes
  // memory as pages are read; the setting is the connection's, nothing is written to the file.
  Execute("PRAGMA cache_size = -" + std::to_string(kCacheKiB));
  Check(RegisterJetLike(m_db), "registering the LIKE function");
}

void SqliteConnection::Check(int rc, const std::string& context) const {
  if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
  // The connection's message belongs to this failure only when its code is the one reported.
  const bool ownMessage = sqlite3_extended_errcode(m_db) == rc || sqlite3_errcode(m_db) == (rc & 0xFF);
  const std::string utf8Message = ownMessage ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
  int code = rc;
  std::string description = jet::DescribeConstraintFailure(utf8Message, code);
  if (description.empty()) {
    description = "Database engine error while " + context + " (" + m_strPath + "): " + utf8Message;
    if ((rc & 0xFF) == SQLITE_BUSY) description += " - another program kept the database locked.";
    if ((rc & 0xFF) == SQLITE_INTERRUPT) description += " - the statement took too long and was stopped.";
  }
  throw CDaoException(description, code, m_strPath);
}

void SqliteConnection::Execute(const std::string& utf8Sql) {
  auto stmt = Prepare(utf8Sql);
  while (stmt.Step()) {
  }
}

StatementLease SqliteConnection::Prepare(const std::string& utf8Sql) {
  StartStep();  // preparing reads the schema, which counts as work too
  auto found = m_cache.find(utf8Sql);
  if (found != m_cache.end() && !found->second->m_bInUse) return StatementLease(*this, found->second);

  sqlite3_stmt* raw = nullptr;
  const char* tail = nullptr;
  const int rc = sqlite3_prepare_v3(m_db, utf8Sql.c_str(), static_cast<int>(utf8Sql.size()) + 1,
                                    SQLITE_PREPARE_PERSISTENT, &raw, &tail);
  auto stmt = std::make_shared<SqliteStatement>(raw);
  Check(rc, "preparing a statement");
  if (raw == nullptr) Check(SQLITE_MISUSE, "preparing an empty statement");
  if (found == m_cache.end()) {
    // Statements come from a few fixed shapes; a full cache means many one-off ones, so start again.
    if (m_cache.size() >= kCacheLimit) {
      for (auto it = m_cache.begin(); it != m_cache.end();) it = it->second->m_bInUse ? std::next(it) : m_cache.erase(it);
    }
    m_cache.emplace(utf8Sql, stmt);
  }
  return StatementLease(*this, stmt);
}

#include "db/DaoDatabase.h"

#include "db/JetErrors.h"
#include "db/SqliteConnection.h"

CDaoDatabase::CDaoDatabase() = default;
CDaoDatabase::~CDaoDatabase() = default;

// Sharing is SQLite's own (readers and one writer at a time); exclusive use and the connect string have
// no counterpart and are ignored.
void CDaoDatabase::Open(const std::string& path, bool /*exclusive*/, bool readOnly, const std::string& /*connect*/) {
  Close();
  m_conn = SqliteConnection::OpenExisting(path, readOnly);
  m_strPath = path;
}

void CDaoDatabase::OpenImmutable(const std::string& path, std::chrono::milliseconds stepLimit) {
  Close();
  m_conn = SqliteConnection::OpenImmutable(path, stepLimit);
  m_strPath = path;
}

// The locale and options describe Jet's file format; SQLite keeps text as UTF-8 and needs neither.
void CDaoDatabase::Create(const std::string& path, const std::string& /*locale*/, int /*options*/) {
  Close();
  m_conn = SqliteConnection::CreateNew(path);
  m_strPath = path;
}

bool CDaoDatabase::IsOpen() const { return m_conn != nullptr; }

void CDaoDatabase::Close() {
  m_conn.reset();
  m_strPath.clear();
}

SqliteConnection& CDaoDatabase::Connection() {
  if (!m_conn) jet::Throw(jet::kObjectClosed, "The database is not open.");
  return *m_conn;
}

#include "db/SqliteBackup.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/FilePath.h"
#include "db/SqliteConnection.h"

namespace {

// Owns one sqlite3_backup*; finishing releases the source's read lock and the copy's write lock.
class BackupHandle {
 public:
  explicit BackupHandle(sqlite3_backup* backup) : m_backup(backup) {}
  ~BackupHandle() {
    if (m_backup) sqlite3_backup_finish(m_backup);
  }
  BackupHandle(const BackupHandle&) = delete;
  BackupHandle& operator=(const BackupHandle&) = delete;
  sqlite3_backup* get() const { return m_backup; }
  int Finish() {
    const int rc = sqlite3_backup_finish(m_backup);
    m_backup = nullptr;
    return rc;
  }

 private:
  sqlite3_backup* m_backup;
};

}  // namespace

void CopyPages(SqliteConnection& source, SqliteConnection& copy) {
  BackupHandle backup(sqlite3_backup_init(copy.Handle(), "main", source.Handle(), "main"));
  if (!backup.get()) copy.Check(sqlite3_extended_errcode(copy.Handle()), "starting the copy");
  // -1: all pages in one step, so the source is read under one lock and no writer can come in between.
  int rc = SQLITE_OK;
  while (rc == SQLITE_OK) rc = sqlite3_backup_step(backup.get(), -1);
  const int finished = backup.Finish();
  if (rc != SQLITE_DONE) copy.Check(rc, "copying the database");
  copy.Check(finished, "copying the database");
}

std::string IntegrityProblem(SqliteConnection& connection) {
  auto check = connection.Prepare("PRAGMA integrity_check(1)");
  if (!check.Step()) return "integrity_check gave no answer";
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
  const std::string answer = text ? text : "";
  return answer == "ok" ? std::string() : answer;
}

std::string DatabaseStamp(const std::string& path) {
  const std::filesystem::path file = FileSystemPath(path);
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return std::string();
  const auto written = std::filesystem::last_write_time(file, error);
  unsigned char header[28] = {};
  std::ifstream in(file, std::ios::binary);
  in.read(reinterpret_cast<char*>(header), sizeof header);
  unsigned long counter = 0;
  for (int i = 24; i < 28; ++i) counter = (counter << 8) | header[i];
  return std::to_string(counter) + "-" + std::to_string(size) + "-" +
         std::to_string(error ? 0 : static_cast<long long>(written.time_since_epoch().count()));
}

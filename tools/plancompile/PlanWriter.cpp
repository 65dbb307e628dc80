#include "PlanWriter.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "db/PlanFileTables.h"
#include "db/SqliteTransaction.h"

namespace {

struct DbCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbPtr = std::unique_ptr<sqlite3, DbCloser>;
using StmtPtr = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

// Removes the temporary file and its journal unless the finished file was moved into place.
class TempFile {
 public:
  explicit TempFile(const std::string& outPath) : m_path(outPath + ".XXXXXX") {
    const int fd = mkstemp(m_path.data());
    if (fd < 0) throw WriteError("cannot create a temporary file beside " + outPath);
    // mkstemp makes the file private; the plan file is an ordinary data file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
  }
  ~TempFile() {
    if (m_kept) return;
    std::remove(m_path.c_str());
    std::remove((m_path + "-journal").c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string& Path() const { return m_path; }
  void MoveTo(const std::string& outPath) {
    if (std::rename(m_path.c_str(), outPath.c_str()) != 0)
      throw WriteError("cannot rename the finished file to " + outPath);
    m_kept = true;
  }

 private:
  std::string m_path;
  bool m_kept = false;
};

class Writer {
 public:
  explicit Writer(const std::string& path) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    m_db.reset(db);
    if (rc != SQLITE_OK) Fail("cannot open " + path);
  }

  void Exec(const std::string& sql) {
    if (sqlite3_exec(m_db.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
  }
  // The tables and rows go in whole or not at all.
  std::unique_ptr<SqliteTransaction> Begin() {
    return std::make_unique<SqliteTransaction>(m_db.get(), [this](const std::string& sql) { Exec(sql); });
  }

  StmtPtr Prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql, -1, &stmt, nullptr) != SQLITE_OK) Fail(sql);
    return StmtPtr(stmt);
  }

  void BindInt(sqlite3_stmt* stmt, int index, int value) {
    if (sqlite3_bind_int(stmt, index, value) != SQLITE_OK) Fail("bind");
  }
  void BindText(sqlite3_stmt* stmt, int index, const std::string& text) {
    if (sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
      Fail("bind");
  }
  void Step(sqlite3_stmt* stmt) {
    if (sqlite3_step(stmt) != SQLITE_DONE) Fail("insert");
    sqlite3_reset(stmt);
  }

  void Close() {
    if (sqlite3_close(m_db.release()) != SQLITE_OK) throw WriteError("cannot close the database");
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw WriteError(what + ": " + (m_db ? sqlite3_errmsg(m_db.get()) : "out of memory"));
  }
  DbPtr m_db;
};

void WriteTables(Writer& w, const PlanSource& plan, int year) {
  w.Exec("PRAGMA journal_mode=DELETE");
  const auto transaction = w.Begin();
  w.Exec(plan_file::CreateTablesSql() + plan_file::kCreateIndexes);
  StmtPtr yearRow = w.Prepare("INSERT INTO YEAR(year, ytitle) VALUES(?, ?)");
  w.BindInt(yearRow.get(), 1, year);
  w.BindText(yearRow.get(), 2, YearTitleFor(plan, year));
  w.Step(yearRow.get());

  StmtPtr monthRow = w.Prepare("INSERT INTO MONTH(month, mtitle) VALUES(?, ?)");
  for (const PlanMonth& month : plan.months) {
    w.BindInt(monthRow.get(), 1, month.month);
    w.BindText(monthRow.get(), 2, month.title);
    w.Step(monthRow.get());
  }

  StmtPtr rangeRow = w.Prepare("INSERT INTO DAYRANGE(month, day, order1, range) VALUES(?, ?, ?, ?)");
  StmtPtr verseRow = w.Prepare("INSERT INTO DAY(order1, order2, sec, body) VALUES(?, ?, ?, ?)");
  for (const PlanDay* day : DaysOfYear(plan, year)) {
    // A readable key: 0315 is 15 March.
    const int order1 = day->month * 100 + day->day;
    w.BindInt(rangeRow.get(), 1, day->month);
    w.BindInt(rangeRow.get(), 2, day->day);
    w.BindInt(rangeRow.get(), 3, order1);
    w.BindText(rangeRow.get(), 4, day->range);
    w.Step(rangeRow.get());
    int order2 = 0;
    for (const PlanVerse& verse : day->verses) {
      w.BindInt(verseRow.get(), 1, order1);
      w.BindInt(verseRow.get(), 2, ++order2);
      w.BindText(verseRow.get(), 3, verse.number);
      w.BindText(verseRow.get(), 4, verse.text);
      w.Step(verseRow.get());
    }
  }
  yearRow.reset();
  monthRow.reset();
  rangeRow.reset();
  verseRow.reset();
  transaction->Commit();
}

}  // namespace

void WritePlanFile(const PlanSource& plan, int year, const std::string& outPath) {
  TempFile temp(outPath);
  Writer writer(temp.Path());
  WriteTables(writer, plan, year);
  writer.Close();
  temp.MoveTo(outPath);
}

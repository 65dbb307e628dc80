#include "WinBenchSupport.h"

#include <windows.h>

#include <sqlite3.h>

#include <cstdio>

#include "ui/AppMessageBox.h"

std::string MakeBenchFolder(const std::string& name) {
  char temp[MAX_PATH];
  ::GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + name + "-" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

bool WriteEveryDayPlan(const std::string& folder, int year, int verses, const std::string& range,
                       const std::string& verse) {
  sqlite3* db = nullptr;
  if (sqlite3_open((folder + std::to_string(year) + ".dat").c_str(), &db) != SQLITE_OK) return false;
  std::string sql =
      "BEGIN;CREATE TABLE YEAR(year INTEGER, ytitle TEXT);CREATE TABLE MONTH(month INTEGER, mtitle TEXT);"
      "CREATE TABLE DAYRANGE(month INTEGER, day INTEGER, order1 INTEGER, range TEXT);"
      "CREATE TABLE DAY(order1 INTEGER, order2 INTEGER, sec TEXT, body TEXT);"
      "CREATE UNIQUE INDEX y ON YEAR(year);CREATE UNIQUE INDEX m ON MONTH(month);"
      "CREATE UNIQUE INDEX r ON DAYRANGE(month, day);CREATE UNIQUE INDEX d ON DAY(order1, order2);";
  sql += "INSERT INTO YEAR VALUES(" + std::to_string(year) + u8", '올해의 읽기');";
  for (int month = 1; month <= 12; ++month) {
    sql += "INSERT INTO MONTH VALUES(" + std::to_string(month) + u8", '달의 제목');";
    for (int day = 1; day <= 31; ++day) {
      const std::string order1 = std::to_string(month * 100 + day);
      sql += "INSERT INTO DAYRANGE VALUES(" + std::to_string(month) + ", " + std::to_string(day) + ", " + order1 +
             ", '" + range + "');";
      for (int number = 1; number <= verses; ++number)
        sql += "INSERT INTO DAY VALUES(" + order1 + ", " + std::to_string(number) + ", '" + std::to_string(number) +
               "', '" + verse + "');";
    }
  }
  sql += "COMMIT;";
  const bool ok = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

void AnswerMessageBoxesAtOnce() {
  SetMessageBoxResponder([](const std::string& text, UINT, const std::string&) {
    std::fprintf(stderr, "message box: %s\n", text.c_str());
    return IDOK;
  });
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

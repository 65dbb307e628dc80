// Times marking a day read in the real reading window, end to end: the mark button's command, storing
// the mark in memo.mdb, and the repaint of the mark button and the progress line. Prints the medians of
// marking and of unmarking against the target of one 16 ms frame.
#include <windows.h>

#include <commctrl.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/Resource.h"
#include "ui/AppMessageBox.h"
#include "reading/ReadingDlg.h"

namespace {

constexpr double kFrameMicros = 1e6 / 60;

// A plan for the year with one short reading on each day, so that the window opens on today's page.
bool WritePlan(const std::string& folder, int year) {
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
             u8", '저녁 묵상 1:1');INSERT INTO DAY VALUES(" + order1 + u8", 1, '1', '오늘의 말씀입니다.');";
    }
  }
  sql += "COMMIT;";
  const bool ok = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times.empty() ? 0 : times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
  ::InitCommonControlsEx(&controls);
  SetMessageBoxResponder([](const std::string& text, UINT, const std::string&) {
    std::fprintf(stderr, "message box: %s\n", text.c_str());
    return IDOK;
  });

  char temp[MAX_PATH];
  ::GetTempPathA(sizeof temp, temp);
  const std::string folder =
      std::string(temp) + "vesperal-mark-bench-" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  if (!WritePlan(folder, today.wYear)) {
    std::fprintf(stderr, "could not write the plan in %s\n", folder.c_str());
    return 1;
  }

  std::vector<double> marking, unmarking;
  bool marked = false;
  {
    CReadingDlg reading(nullptr, folder);
    if (!reading.Create()) {
      std::fprintf(stderr, "could not create the reading window\n");
      return 1;
    }
    const HWND window = reading.GetSafeHwnd();
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    Pump();
    if (!::IsWindowEnabled(::GetDlgItem(window, IDC_MARK_READ))) {
      std::fprintf(stderr, "the diary cannot keep marks\n");
      return 1;
    }
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i) {
      // The button's click, as the user gives it; the loop runs until every changed control has painted.
      ::QueryPerformanceCounter(&start);
      ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_MARK_READ, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_MARK_READ)));
      ::UpdateWindow(window);
      Pump();
      ::QueryPerformanceCounter(&end);
      const double micros = 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
      (i % 2 == 0 ? marking : unmarking).push_back(micros);
    }
    marked = reading.MarkButtonShowsRead();
    reading.DestroyWindow();
  }
  ::DeleteFileA((folder + std::to_string(today.wYear) + ".dat").c_str());
  ::DeleteFileA((folder + "memo.mdb").c_str());
  ::DeleteFileA((folder + "memo.mdb-journal").c_str());
  ::RemoveDirectoryA(folder.c_str());

  if (marked != (runs % 2 == 1)) {
    std::fprintf(stderr, "the mark did not follow the clicks\n");
    return 1;
  }
  const double mark = Median(marking), unmark = Median(unmarking);
  std::printf("read mark in the reading window, %d clicks (stored in memo.mdb, button and progress repainted)\n", runs);
  std::printf("  mark:   median %9.1f us\n", mark);
  std::printf("  unmark: median %9.1f us\n", unmark);
  std::printf("  target: within one frame, %.1f us: %s\n", kFrameMicros,
              std::max(mark, unmark) <= kFrameMicros ? "met" : "NOT met");
  return 0;
}

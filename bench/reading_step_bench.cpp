// Times a day step in the real reading window, end to end (picker, lookup in the plan file, repaint of
// the page), against a repaint of the page alone, and prints the medians and their ratio.
#include <windows.h>

#include <commctrl.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ui/AppMessageBox.h"
#include "ui/LocalDate.h"
#include "reading/ReadingDlg.h"

namespace {

constexpr int kVersesPerDay = 25;

// A plan file with every day of the year, each with kVersesPerDay verses of about 150 bytes.
bool WritePlan(const std::string& folder, int year) {
  const std::string path = folder + std::to_string(year) + ".dat";
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return false;
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
             u8", '저녁 묵상 1:1-25');";
      for (int verse = 1; verse <= kVersesPerDay; ++verse)
        sql += "INSERT INTO DAY VALUES(" + order1 + ", " + std::to_string(verse) + ", '" + std::to_string(verse) +
               u8"', '저녁 빛 아래 조용히 앉아 오늘 받은 은혜를 하나씩 떠올리며 감사의 마음으로 "
               u8"내일의 걸음을 맡겨 드립니다. 작은 일에도 기쁨을 찾게 하소서.');";
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

// Median of `runs` timings of `work`, in microseconds.
double MedianMicros(int runs, const std::function<void(int)>& work) {
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    ::QueryPerformanceCounter(&start);
    work(i);
    ::QueryPerformanceCounter(&end);
    times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
    Pump();
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
  ::InitCommonControlsEx(&controls);
  SetMessageBoxResponder([](const std::string& text, UINT, const std::string&) {
    std::fprintf(stderr, "message box: %s\n", text.c_str());
    return IDOK;
  });

  char temp[MAX_PATH];
  ::GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "vesperal-bench-" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  for (int year = today.wYear - 1; year <= today.wYear + 1; ++year)
    if (!WritePlan(folder, year)) {
      std::fprintf(stderr, "could not write the plan for %d in %s\n", year, folder.c_str());
      return 1;
    }

  double step = 0, stepPainted = 0, repaint = 0, lookup = 0;
  {
    CReadingDlg reading(nullptr, folder);
    if (!reading.Create()) {
      std::fprintf(stderr, "could not create the reading window\n");
      return 1;
    }
    HWND window = reading.GetSafeHwnd();
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    Pump();
    SetPickerTime(::GetDlgItem(window, 1006), MakeLocalTime(today.wYear, 6, 15, 12));

    // Forward and back in turn, so every step lands on a day of the same file.
    step = MedianMicros(runs, [&](int i) {
      reading.StepDay(i % 2 == 0 ? +1 : -1);
      ::UpdateWindow(window);
    });
    // The same with the message loop run to the end, so every control that changed has painted too.
    stepPainted = MedianMicros(runs, [&](int i) {
      reading.StepDay(i % 2 == 0 ? +1 : -1);
      ::UpdateWindow(window);
      Pump();
    });
    // The same with the message loop run to the end, so every control that changed has painted too.
    stepPainted = MedianMicros(runs, [&](int i) {
      reading.StepDay(i % 2 == 0 ? +1 : -1);
      ::UpdateWindow(window);
      Pump();
    });
    RECT client;
    ::GetClientRect(window, &client);
    const PageRect page = LayOutReadingWindow(client.right, client.bottom).rcText;
    const RECT pageRect{page.left, page.top, page.right, page.bottom};
    repaint = MedianMicros(runs, [&](int) {
      ::InvalidateRect(window, &pageRect, FALSE);
      ::UpdateWindow(window);
    });
    reading.DestroyWindow();
  }
  {
    // The lookup alone, through a plan of its own over the same files, forward and back as above.
    CReadingPlan plan(folder);
    plan.OpenPlanFile(today.wYear, false);
    lookup = MedianMicros(runs, [&](int i) { plan.LookUpDay(today.wYear, 6, 15 + i % 2); });
  }
  for (int year = today.wYear - 1; year <= today.wYear + 1; ++year)
    ::DeleteFileA((folder + std::to_string(year) + ".dat").c_str());
  ::DeleteFileA((folder + "memo.mdb").c_str());
  ::RemoveDirectoryA(folder.c_str());

  std::printf("reading window, %d runs each, %d verses a day\n", runs, kVersesPerDay);
  std::printf("  day step (lookup + repaint): median %9.1f us\n", step);
  std::printf("  step, every control painted: median %9.1f us\n", stepPainted);
  std::printf("  step, every control painted: median %9.1f us\n", stepPainted);
  std::printf("  lookup alone (no repaint):   median %9.1f us\n", lookup);
  std::printf("  repaint of the page alone:   median %9.1f us\n", repaint);
  std::printf("  ratio step / repaint:        %9.2f\n", repaint > 0 ? step / repaint : 0.0);
  return 0;
}

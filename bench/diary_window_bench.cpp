// Times the diary windows under the real message flow: a search that lists all of 10,000 entries in the
// search window, and a change of date in the diary that stores one entry and loads another. Prints medians.
#include <windows.h>

#include <commctrl.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/CalendarDay.h"
#include "diary/DiaryDlg.h"
#include "diary/FindDlg.h"
#include "reading/ReadingDlg.h"
#include "res/Resource.h"
#include "ui/AppMessageBox.h"
#include "win/PickerTime.h"

namespace {

// The reading window, keeping a pointer to the diary window object it makes.
class CDiaryKeepingReadingDlg : public CReadingDlg {
 public:
  explicit CDiaryKeepingReadingDlg(const std::string& folder) : CReadingDlg(nullptr, folder) {}
  CDiaryDlg* diary = nullptr;

 protected:
  std::unique_ptr<IDiaryWindow> MakeDiaryWindow() override {
    auto made = std::make_unique<CDiaryDlg>(Session(), GetSafeHwnd(), nullptr);
    diary = made.get();
    return made;
  }
};

constexpr int kEntries = 10000;

bool Exec(const std::string& path, const std::string& utf8Sql) {
  sqlite3* db = nullptr;
  bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
            sqlite3_exec(db, utf8Sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

// A plan file for the year with its title and months; the days are not needed here.
bool WritePlan(const std::string& folder, int year) {
  std::string sql =
      "BEGIN;CREATE TABLE YEAR(year INTEGER, ytitle TEXT);CREATE TABLE MONTH(month INTEGER, mtitle TEXT);"
      "CREATE TABLE DAYRANGE(month INTEGER, day INTEGER, order1 INTEGER, range TEXT);"
      "CREATE TABLE DAY(order1 INTEGER, order2 INTEGER, sec TEXT, body TEXT);";
  sql += "INSERT INTO YEAR VALUES(" + std::to_string(year) + u8", '올해의 읽기');";
  for (int month = 1; month <= 12; ++month) sql += "INSERT INTO MONTH VALUES(" + std::to_string(month) + u8", '달');";
  return Exec(folder + std::to_string(year) + ".dat", sql + "COMMIT;");
}

// kEntries entries on consecutive days up to the end of `lastYear`, in one transaction.
bool FillDiary(const std::string& folder, int lastYear) {
  CalendarDay day{lastYear, 12, 31};
  std::string sql = "BEGIN;";
  for (int i = 0; i < kEntries; ++i, day = PreviousDay(day))
    sql += "INSERT INTO VESPERAL VALUES('" + DayKey(day) + u8"', '오늘의 제목 " +
           std::to_string(i) + u8"', '말씀을 읽고 마음에 새긴 것을 적어 둡니다. 감사합니다.', '주께서 지켜 주소서.');";
  return Exec(folder + "memo.mdb", sql + "COMMIT;");
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!CDialogBase::RouteMessage(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

double MedianMillis(int runs, const std::function<void()>& before, const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    before();
    Pump();
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    times.push_back(1e3 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
  ::InitCommonControlsEx(&controls);
  SetMessageBoxResponder([](const std::string&, UINT, const std::string&) { return IDOK; });

  char temp[MAX_PATH];
  ::GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "vesperal-diary-bench-" + std::to_string(::GetCurrentProcessId()) +
                             "-" + std::to_string(::GetTickCount()) + "\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  {
    CDiaryStore creator;
    if (!WritePlan(folder, today.wYear) || !creator.OpenDiaryDb(folder)) return 1;
  }
  if (!FillDiary(folder, today.wYear)) {
    std::fprintf(stderr, "could not fill the diary in %s\n", folder.c_str());
    return 1;
  }

  double search = 0, dateChange = 0, dateChangeLoadOnly = 0;
  int listed = 0;
  {
    CDiaryKeepingReadingDlg reading(folder);
    if (!reading.Create()) return 1;
    ::ShowWindow(reading.GetSafeHwnd(), SW_SHOWNORMAL);
    Pump();
    ::SendMessageW(::GetDlgItem(reading.GetSafeHwnd(), IDC_DIARY_BUTTON), BM_CLICK, 0, 0);
    Pump();
    CDiaryDlg* diary = reading.diary;
    HWND diaryWindow = diary->GetSafeHwnd();
    ::SendMessageW(diaryWindow, WM_COMMAND, MAKEWPARAM(IDC_DIARY_FIND, BN_CLICKED), 0);
    Pump();
    HWND find = diary->FindDlg()->GetSafeHwnd();
    for (int box : {IDC_FIND_TITLE, IDC_FIND_MEDITATION, IDC_FIND_PRAYER}) ::CheckDlgButton(find, box, BST_CHECKED);
    ::SetDlgItemTextA(find, IDC_FIND_TEXT, "");
    search = MedianMillis(
        runs, [] {},
        [&] {
          ::SendMessageW(find, WM_COMMAND, MAKEWPARAM(IDC_FIND_GO, BN_CLICKED), 0);
          ::UpdateWindow(find);
        });
    listed = static_cast<int>(::SendDlgItemMessageW(find, IDC_FIND_RESULTS, LB_GETCOUNT, 0, 0));

    // Between two days with entries: a letter typed, then the other day picked in the diary; and the same
    // without typing, which only loads.
    int turn = 0;
    auto typeLetter = [&] {
      HWND title = ::GetDlgItem(diaryWindow, IDC_DIARY_TITLE);
      ::SendMessageW(title, EM_SETSEL, 0, 0);
      ::SendMessageW(title, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("+"));
    };
    auto pickOtherDay = [&] {
      NMDATETIMECHANGE change{};
      change.nmhdr.hwndFrom = ::GetDlgItem(diaryWindow, IDC_DIARY_DATE);
      change.nmhdr.idFrom = IDC_DIARY_DATE;
      change.nmhdr.code = DTN_DATETIMECHANGE;
      change.st = MakeLocalTime(today.wYear, 6, 14 + (turn++ % 2), 9);
      SetPickerTime(change.nmhdr.hwndFrom, change.st);
      ::SendMessageW(diaryWindow, WM_NOTIFY, IDC_DIARY_DATE, reinterpret_cast<LPARAM>(&change));
      // Painted as the user would see it: the diary with its fields, and the reading window's page.
      ::RedrawWindow(diaryWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      ::UpdateWindow(reading.GetSafeHwnd());
    };
    dateChange = MedianMillis(runs * 5, typeLetter, pickOtherDay);
    dateChangeLoadOnly = MedianMillis(
        runs * 5, [] {}, pickOtherDay);
  }
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::u8path(folder), ignored);
  std::printf("search listing %d entries in the search window: median %.1f ms (target < 100 ms)\n", listed, search);
  std::printf("diary date change, one entry stored and another loaded: median %.2f ms (target <= 16 ms)\n", dateChange);
  std::printf("diary date change without typing (load only): median %.2f ms\n", dateChangeLoadOnly);
  return 0;
}

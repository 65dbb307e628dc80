// Times marking a day read in the real reading window, end to end: the mark button's command, storing
// the mark in memo.mdb, and the repaint of the mark button and the progress line. Prints the medians of
// marking and of unmarking against the target of one 16 ms frame.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "WinBenchSupport.h"
#include "reading/ReadingDlg.h"
#include "res/Resource.h"

namespace {

constexpr double kFrameMicros = 1e6 / 60;

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times.empty() ? 0 : times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
  ::InitCommonControlsEx(&controls);
  AnswerMessageBoxesAtOnce();

  const std::string folder = MakeBenchFolder("vesperal-mark-bench");
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  // One short reading on each day, so that the window opens on today's page.
  if (!WriteEveryDayPlan(folder, today.wYear, 1, u8"저녁 묵상 1:1", u8"오늘의 말씀입니다.")) {
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

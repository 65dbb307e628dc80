// Times a day step in the real reading window, end to end (picker, lookup in the plan file, repaint of
// the page), against a repaint of the page alone, and prints the medians and their ratio.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "WinBenchSupport.h"
#include "win/PickerTime.h"
#include "reading/ReadingDlg.h"

namespace {

constexpr int kVersesPerDay = 25;

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
  AnswerMessageBoxesAtOnce();

  const std::string folder = MakeBenchFolder("vesperal-bench");
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  // Every day with kVersesPerDay verses of about 150 bytes.
  for (int year = today.wYear - 1; year <= today.wYear + 1; ++year)
    if (!WriteEveryDayPlan(folder, year, kVersesPerDay, u8"저녁 묵상 1:1-25",
                           u8"저녁 빛 아래 조용히 앉아 오늘 받은 은혜를 하나씩 떠올리며 감사의 마음으로 "
                           u8"내일의 걸음을 맡겨 드립니다. 작은 일에도 기쁨을 찾게 하소서.")) {
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
      reading.Session().StepDay(i % 2 == 0 ? +1 : -1);
      ::UpdateWindow(window);
    });
    // The same with the message loop run to the end, so every control that changed has painted too.
    stepPainted = MedianMicros(runs, [&](int i) {
      reading.Session().StepDay(i % 2 == 0 ? +1 : -1);
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
    lookup = MedianMicros(runs, [&](int i) { plan.LookUpDay(CalendarDay{today.wYear, 6, 15 + i % 2}); });
  }
  for (int year = today.wYear - 1; year <= today.wYear + 1; ++year)
    ::DeleteFileA((folder + std::to_string(year) + ".dat").c_str());
  ::DeleteFileA((folder + "memo.mdb").c_str());
  ::RemoveDirectoryA(folder.c_str());

  std::printf("reading window, %d runs each, %d verses a day\n", runs, kVersesPerDay);
  std::printf("  day step (lookup + repaint): median %9.1f us\n", step);
  std::printf("  step, every control painted: median %9.1f us\n", stepPainted);
  std::printf("  lookup alone (no repaint):   median %9.1f us\n", lookup);
  std::printf("  repaint of the page alone:   median %9.1f us\n", repaint);
  std::printf("  ratio step / repaint:        %9.2f\n", repaint > 0 ? step / repaint : 0.0);
  return 0;
}

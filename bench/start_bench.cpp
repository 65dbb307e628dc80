// Start benchmark: from process creation to the first painted reading window, over cold starts of the
// program, against a bare Win32 program that shows one empty window; and the working set of each once it
// has settled. A window counts as painted when a point of its client area shows the colour its painting
// gives it (the grey date column of the reading window, the white face of the bare window), read from the
// screen. Run with: scripts/wine-run.sh <build>/start_bench.exe [starts]
#include <windows.h>

#include <psapi.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string BesideSelf(const std::string& name) {
  char path[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\') + 1) + name;
}

// A program folder with the program and a plan for this year, whose day has a few verses.
std::string MakeProgramFolder() {
  char temp[MAX_PATH] = "";
  ::GetTempPathA(sizeof temp, temp);
  const std::string dir = std::string(temp) + "vesperal-start-bench-" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(dir.c_str(), nullptr);
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  sqlite3* db = nullptr;
  sqlite3_open((dir + std::to_string(now.wYear) + ".dat").c_str(), &db);
  std::string sql =
      "CREATE TABLE YEAR(year INTEGER, ytitle TEXT); CREATE TABLE MONTH(month INTEGER, mtitle TEXT);"
      "CREATE TABLE DAYRANGE(month INTEGER, day INTEGER, order1 INTEGER, range TEXT);"
      "CREATE TABLE DAY(order1 INTEGER, order2 INTEGER, sec TEXT, body TEXT);"
      "INSERT INTO YEAR VALUES(" +
      std::to_string(now.wYear) +
      ", 'plan');"
      "INSERT INTO MONTH VALUES(" +
      std::to_string(now.wMonth) +
      ", 'month');"
      "INSERT INTO DAYRANGE VALUES(" +
      std::to_string(now.wMonth) + ", " + std::to_string(now.wDay) + ", 1, 'range');";
  for (int verse = 1; verse <= 20; ++verse)
    sql += "INSERT INTO DAY VALUES(1, " + std::to_string(verse) + ", '" + std::to_string(verse) +
           "', 'words of the verse words of the verse words of the verse');";
  sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(db);
  ::CopyFileA(BesideSelf("Vesperal.exe").c_str(), (dir + "Vesperal.exe").c_str(), FALSE);
  return dir;
}

struct Target {
  std::string exe;
  std::string windowClass;  // of the window that is waited for
  POINT clientPoint;        // a point that painting gives `colour`
  COLORREF colour;
};

// A top-level window of one process with the given class; the frame is hidden, the awaited window shown.
struct Search {
  DWORD processId;
  std::string windowClass;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  char name[64] = "";
  ::GetClassNameA(window, name, sizeof name);
  if (owner == search.processId && (!search.visibleOnly || ::IsWindowVisible(window)) && search.windowClass == name) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

bool Painted(HWND window, const Target& target) {
  POINT point = target.clientPoint;
  ::ClientToScreen(window, &point);
  HDC screen = ::GetDC(nullptr);
  const COLORREF pixel = ::GetPixel(screen, point.x, point.y);
  ::ReleaseDC(nullptr, screen);
  return pixel == target.colour;
}

struct Start {
  double milliseconds = -1;
  double workingSetKb = -1;
};

Start StartOnce(const Target& target, const std::string& dir) {
  Start start;
  std::string commandLine = "\"" + target.exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const auto begin = Clock::now();
  if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup, &process))
    return start;
  Search search{process.dwProcessId, target.windowClass, true, nullptr};
  while (Clock::now() - begin < std::chrono::seconds(20)) {
    search.found = nullptr;
    ::EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
    if (search.found && Painted(search.found, target)) {
      start.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
      break;
    }
    ::Sleep(1);
  }
  // The working set once the program has settled.
  ::Sleep(500);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
    start.workingSetKb = static_cast<double>(memory.WorkingSetSize) / 1024.0;
  // End it as a user would: the reading window closes, then the tray's exit command.
  if (search.found) ::PostMessageW(search.found, WM_CLOSE, 0, 0);
  Search frame{process.dwProcessId, "VesperalMainFrame", false, nullptr};
  ::Sleep(100);
  ::EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&frame));
  if (frame.found) ::PostMessageW(frame.found, WM_COMMAND, 57665, 0);
  if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int starts = argc > 1 ? std::atoi(argv[1]) : 20;
  const std::string dir = MakeProgramFolder();
  // The date column: the text area starts 15 pixels in from the client's corner.
  const Target program{dir + "Vesperal.exe", "#32770", {20, 20}, RGB(128, 128, 128)};
  const Target bare{BesideSelf("bare_window.exe"), "BareWindow", {20, 20}, RGB(255, 255, 255)};
  std::vector<double> programMs, bareMs, programKb, bareKb;
  for (int i = 0; i < starts; ++i) {
    // Alternating, so that both meet the same conditions of the machine.
    const Start p = StartOnce(program, dir);
    const Start b = StartOnce(bare, dir);
    if (p.milliseconds < 0 || b.milliseconds < 0) {
      std::printf("start %d: a window was not painted within 20 s\n", i + 1);
      return 1;
    }
    programMs.push_back(p.milliseconds);
    bareMs.push_back(b.milliseconds);
    programKb.push_back(p.workingSetKb);
    bareKb.push_back(b.workingSetKb);
  }
  const double pm = Median(programMs), bm = Median(bareMs);
  std::printf(
      "start to first painted window, median of %d starts: program %.0f ms, bare window %.0f ms; ratio %.2f "
      "(target <= 1.3)\n",
      starts, pm, bm, pm / bm);
  // On a loaded machine the medians move with the load; the fastest starts show what each program itself
  // costs, and the ratio within each pair of starts compares the two under the same moment's load.
  std::vector<double> pairRatios;
  for (size_t i = 0; i < programMs.size(); ++i) pairRatios.push_back(programMs[i] / bareMs[i]);
  const double pf = programMs.empty() ? -1 : *std::min_element(programMs.begin(), programMs.end());
  const double bf = bareMs.empty() ? -1 : *std::min_element(bareMs.begin(), bareMs.end());
  std::printf(
      "fastest start: program %.0f ms, bare window %.0f ms; ratio %.2f. Median ratio of the pairs of starts: "
      "%.2f\n",
      pf, bf, pf / bf, Median(pairRatios));
  const double pk = Median(programKb), bk = Median(bareKb);
  std::printf("working set once settled, median: program %.0f KB, bare window %.0f KB; ratio %.2f\n", pk, bk, pk / bk);
  return 0;
}

#pragma once
// The real reading window over a temporary program folder, created modeless and driven by messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "WinTestSupport.h"
#include "res/Resource.h"
#include "core/PlanTestDir.h"
#include "win/PickerTime.h"
#include "ui/WindowText.h"
#include "reading/ReadingDlg.h"

// One day of a test plan; texts are UTF-8 and the verse numbers count from 1.
struct PlanDay {
  int month;
  int day;
  std::string range;
  std::vector<std::string> bodies;
};

inline std::string SqlText(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

// The rows of a year's plan: its title, the titles of the months used and the given days.
inline std::string PlanSql(int year, const std::vector<PlanDay>& days) {
  const std::string y = std::to_string(year);
  std::string sql = "INSERT INTO YEAR VALUES(" + y + ", " + SqlText(y + u8" 성경 읽기") + ");";
  for (int month = 1; month <= 12; ++month)
    sql += "INSERT INTO MONTH VALUES(" + std::to_string(month) + ", " + SqlText(std::to_string(month) + u8"월 묵상") +
           ");";
  for (const PlanDay& day : days) {
    const std::string order1 = std::to_string(day.month * 100 + day.day);
    sql += "INSERT INTO DAYRANGE VALUES(" + std::to_string(day.month) + ", " + std::to_string(day.day) + ", " + order1 +
           ", " + SqlText(day.range) + ");";
    for (size_t i = 0; i < day.bodies.size(); ++i)
      sql += "INSERT INTO DAY VALUES(" + order1 + ", " + std::to_string(i + 1) + ", '" + std::to_string(i + 1) + "', " +
             SqlText(day.bodies[i]) + ");";
  }
  return sql;
}

// `count` verses of `bytes` ASCII bytes each, words of five letters, each verse starting with its tag.
inline std::vector<std::string> Verses(int count, int bytes, const std::string& tag = "v") {
  std::vector<std::string> verses;
  for (int i = 0; i < count; ++i) {
    std::string body = tag + std::to_string(i + 1) + " ";
    while (static_cast<int>(body.size()) < bytes) body += "words ";
    body.resize(bytes);
    verses.push_back(body);
  }
  return verses;
}

// Sets a dialog's date picker to a day and sends the change notification that the picker itself would send.
inline void ChoosePickerDate(HWND dialog, int pickerId, int year, int month, int day) {
  const HWND picker = ::GetDlgItem(dialog, pickerId);
  NMDATETIMECHANGE change{};
  change.nmhdr.hwndFrom = picker;
  change.nmhdr.idFrom = static_cast<UINT_PTR>(pickerId);
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = GDT_VALID;
  change.st = MakeLocalTime(year, month, day, 9, 30);
  SetPickerTime(picker, change.st);
  ::SendMessageW(dialog, WM_NOTIFY, static_cast<WPARAM>(pickerId), reinterpret_cast<LPARAM>(&change));
}

class CTestReadingDlg : public CReadingDlg {
 public:
  using CReadingDlg::CReadingDlg;
  std::function<std::unique_ptr<IDiaryWindow>()> makeDiary;

 protected:
  std::unique_ptr<IDiaryWindow> MakeDiaryWindow() override { return makeDiary ? makeDiary() : nullptr; }
};

class ReadingDlgTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&controls);
  }
  void SetUp() override {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_year = now.wYear;
  }
  void TearDown() override { m_dlg.reset(); }

  void WritePlan(int year, const std::vector<PlanDay>& days) { m_dir.WritePlan(year, PlanSql(year, days)); }
  // A plan for `year` whose days each have one verse naming the date, "verse of YYYYMMDD".
  void WriteDatedPlan(int year, const std::vector<std::pair<int, int>>& days) {
    std::vector<PlanDay> plan;
    for (auto [month, day] : days)
      plan.push_back({month, day, "range " + DateKey(year, month, day), {"verse of " + DateKey(year, month, day)}});
    WritePlan(year, plan);
  }
  static std::string DateKey(int year, int month, int day) {
    char key[16];
    std::snprintf(key, sizeof key, "%04d%02d%02d", year, month, day);
    return key;
  }

  // Creates and shows the window; the plan files must be written before.
  void Open() {
    m_dlg = std::make_unique<CTestReadingDlg>(nullptr, m_dir.ProgramDir());
    m_dlg->makeDiary = m_makeDiary;
    m_dlg->SetMainWindow(m_mainWindow);
    ASSERT_TRUE(m_dlg->Create());
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
    Settle();
  }

  HWND Hwnd() const { return m_dlg->GetSafeHwnd(); }
  HWND Item(int id) const { return ::GetDlgItem(Hwnd(), id); }

  // Delivers what is queued, the keys through the dialogs' own routing, and paints what is invalid.
  void Settle() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!CDialogBase::RouteMessage(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
    if (m_dlg && Hwnd()) ::UpdateWindow(Hwnd());
  }

  // Chooses a date in the picker as a user would: the value changes and the picker notifies.
  void PickDate(int year, int month, int day) {
    ChoosePickerDate(Hwnd(), IDC_READING_DATE, year, month, day);
    Settle();
  }

  // A key pressed while `target` has the focus.
  void PressKey(HWND target, WPARAM key) {
    ::SetFocus(target);
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    Settle();
  }

  void Scroll(int code, int pos = 0) {
    ::SendMessageW(Hwnd(), WM_VSCROLL, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(Item(IDC_READING_SCROLL)));
    Settle();
  }

  std::string Title() const { return WindowTextUtf8(Hwnd()); }

  std::string ShownBody(int index) const { return m_dlg->Session().Page().verses.at(index).strBody; }
  const ReadingDay& Shown() const { return m_dlg->Session().Page(); }
  DiaryFace Face() const { return m_dlg->DiaryButtonShows(); }

  // Whether a button shows a picture: some of its pixels are not the button face.
  bool ShowsIcon(int id) const {
    const HWND button = Item(id);
    ::UpdateWindow(button);
    RECT client;
    ::GetClientRect(button, &client);
    CPixelSurface copy(client.right, client.bottom, RGB(0, 0, 0));
    CWindowDC source(button);
    ::BitBlt(copy.Dc(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
    return copy.Count(client, ::GetSysColor(COLOR_BTNFACE), false) > 20;
  }

  // A control's rectangle in the dialog's client coordinates.
  RECT ItemRect(int id) const {
    RECT rect;
    ::GetWindowRect(Item(id), &rect);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  // The texts of the message boxes shown so far, for failure messages.
  std::string BoxTexts() const {
    std::string texts;
    for (const auto& box : m_boxes.Boxes()) texts += "[" + box.text + "] ";
    return texts;
  }

  int m_year = 0;
  PlanTestDir m_dir;
  CMessageBoxRecorder m_boxes;
  std::function<std::unique_ptr<IDiaryWindow>()> m_makeDiary;
  HWND m_mainWindow = nullptr;  // the window that gets the help command and owns the diary windows
  std::unique_ptr<CTestReadingDlg> m_dlg;
};

// Counts the keys a window receives, passing them on to its own procedure.
class CKeyCounter {
 public:
  explicit CKeyCounter(HWND window) : m_hWnd(window) {
    ::SetPropW(window, L"KeyCounter", this);
    m_previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CKeyCounter::Proc)));
  }
  ~CKeyCounter() {
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
    ::RemovePropW(m_hWnd, L"KeyCounter");
  }
  CKeyCounter(const CKeyCounter&) = delete;
  CKeyCounter& operator=(const CKeyCounter&) = delete;
  int Keys() const { return m_nKeys; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CKeyCounter*>(::GetPropW(hwnd, L"KeyCounter"));
    if (msg == WM_KEYDOWN) ++self->m_nKeys;
    return ::CallWindowProcW(self->m_previous, hwnd, msg, wParam, lParam);
  }
  HWND m_hWnd;
  WNDPROC m_previous = nullptr;
  int m_nKeys = 0;
};

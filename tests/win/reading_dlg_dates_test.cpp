// The reading window's dates: opening on today, day steps across years and at the ends of the range, the
// picker, F1, and the diary button's faces.
#include <cstdio>

#include "ReadingDlgFixture.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStore.h"
#include "ui/WindowText.h"

namespace {

std::string TitleOf(int year) {
  char title[64];
  std::snprintf(title, sizeof title, "베스페랄읽기 - %d", year);
  return title;
}

std::string KeyOf(int year, int month, int day) {
  char key[16];
  std::snprintf(key, sizeof key, "%04d%02d%02d", year, month, day);
  return key;
}

// Records the WM_COMMAND that reaches a plain window.
class CCommandWindow {
 public:
  CCommandWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &CCommandWindow::Proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = "VesperalTestCommands";
    ::RegisterClassA(&windowClass);
    m_hWnd = ::CreateWindowA("VesperalTestCommands", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
    ::SetPropA(m_hWnd, "Commands", this);
  }
  ~CCommandWindow() { ::DestroyWindow(m_hWnd); }
  HWND Get() const { return m_hWnd; }
  std::vector<WPARAM> commands;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND)
      if (auto* self = static_cast<CCommandWindow*>(::GetPropA(hwnd, "Commands"))) self->commands.push_back(wParam);
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  HWND m_hWnd;
};

// A stand-in for the diary window: a plain popup that records the date syncs it receives.
class CFakeDiary : public IDiaryWindow {
 public:
  explicit CFakeDiary(HWND& handleOut, int& syncs) : m_handleOut(handleOut), m_syncs(syncs) {}
  ~CFakeDiary() override { CloseDiaryWindow(); }
  bool OpenDiaryWindow() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &CFakeDiary::Proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = "VesperalTestDiary";
    ::RegisterClassA(&windowClass);
    m_hWnd = ::CreateWindowA("VesperalTestDiary", "diary", WS_POPUP | WS_CAPTION, 50, 60, 300, 200, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
    ::SetPropA(m_hWnd, "Diary", this);
    m_handleOut = m_hWnd;
    return m_hWnd != nullptr;
  }
  void CloseDiaryWindow() override {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
  }
  HWND DiaryWindowHandle() const override { return m_hWnd; }
  void SetDiaryDateRange(int firstYear, int lastYear) override {
    m_nFirstYear = firstYear;
    m_nLastYear = lastYear;
  }
  int m_nFirstYear = 0, m_nLastYear = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DATE_SYNC)
      if (auto* self = static_cast<CFakeDiary*>(::GetPropA(hwnd, "Diary"))) ++self->m_syncs;
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  HWND m_hWnd = nullptr;
  HWND& m_handleOut;
  int& m_syncs;
};

class ReadingDatesTest : public ReadingDlgTest {
 protected:
  // A plan for `year` whose days each have one verse naming the date.
  void WriteYear(int year, std::vector<std::pair<int, int>> days) { WriteDatedPlan(year, days); }
  SYSTEMTIME PickerTime() const { return GetPickerTime(Item(IDC_READING_DATE)); }
};

}  // namespace

TEST_F(ReadingDatesTest, OpensOnTodayWithTheYearInTheTitleAndTheRangeOfTheNeighbouringFiles) {
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  WriteYear(m_year - 1, {});
  WriteYear(m_year, {{today.wMonth, today.wDay}});
  WriteYear(m_year + 1, {});
  WriteYear(m_year + 3, {});  // not joined to the run of years
  Open();

  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
  EXPECT_EQ(TitleOf(m_year), Title());
  EXPECT_EQ(KeyOf(today.wYear, today.wMonth, today.wDay), Shown().DateKey());
  EXPECT_EQ("verse of " + KeyOf(today.wYear, today.wMonth, today.wDay), ShownBody(0));
  EXPECT_TRUE(IsSameDate(PickerTime(), today.wYear, today.wMonth, today.wDay));
  EXPECT_NE(0, ::GetWindowLongW(Hwnd(), GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_NE(0, ::SendMessageW(Hwnd(), WM_GETICON, ICON_BIG, 0));

  SYSTEMTIME range[2] = {};
  ASSERT_EQ(GDTR_MIN | GDTR_MAX,
            ::SendMessageW(Item(IDC_READING_DATE), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)));
  EXPECT_TRUE(IsSameDate(range[0], m_year - 1, 1, 1));
  EXPECT_TRUE(IsSameDate(range[1], m_year + 1, 12, 31));
}

TEST_F(ReadingDatesTest, StepsFromTheLastDayOfTheYearIntoTheNextYearsFile) {
  WriteYear(m_year, {{12, 31}});
  WriteYear(m_year + 1, {{1, 1}});
  Open();
  PickDate(m_year, 12, 31);
  EXPECT_EQ("verse of " + KeyOf(m_year, 12, 31), ShownBody(0));

  ::SendMessageW(Item(IDC_NEXT_DAY), BM_CLICK, 0, 0);
  Settle();
  EXPECT_EQ(m_year + 1, Shown().nYear);
  EXPECT_EQ(1, Shown().nMonth);
  EXPECT_EQ(1, Shown().nDay);
  EXPECT_EQ(TitleOf(m_year + 1), Title());
  EXPECT_EQ("verse of " + KeyOf(m_year + 1, 1, 1), ShownBody(0));
  EXPECT_TRUE(IsSameDate(PickerTime(), m_year + 1, 1, 1));

  ::SendMessageW(Item(IDC_PREV_DAY), BM_CLICK, 0, 0);
  Settle();
  EXPECT_EQ(TitleOf(m_year), Title());
  EXPECT_EQ("verse of " + KeyOf(m_year, 12, 31), ShownBody(0));
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

TEST_F(ReadingDatesTest, AQuickDoubleClickOnADayButtonStepsTwice) {
  WriteYear(m_year, {});
  Open();
  PickDate(m_year, 3, 10);
  const HWND next = Item(IDC_NEXT_DAY);
  const LPARAM inside = MAKELPARAM(5, 5);
  ::SendMessageW(next, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  ::SendMessageW(next, WM_LBUTTONUP, 0, inside);
  ::SendMessageW(next, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
  ::SendMessageW(next, WM_LBUTTONUP, 0, inside);
  Settle();
  EXPECT_TRUE(IsSameDate(PickerTime(), m_year, 3, 12));
  EXPECT_EQ(12, Shown().nDay);
}

// Enter on a focused day button steps, as a click does; only on the close button does it close the window.
TEST_F(ReadingDatesTest, EnterPressesTheFocusedDayButtonAndClosesOnlyOnTheCloseButton) {
  WriteYear(m_year, {});
  Open();
  PickDate(m_year, 3, 10);
  PressKey(Item(IDC_PREV_DAY), VK_RETURN);
  PressKey(Item(IDC_PREV_DAY), VK_RETURN);
  PressKey(Item(IDC_NEXT_DAY), VK_RETURN);
  ASSERT_TRUE(Hwnd() && ::IsWindow(Hwnd()));
  EXPECT_EQ(9, Shown().nDay);
  PressKey(Item(IDOK), VK_RETURN);
  EXPECT_FALSE(Hwnd() && ::IsWindow(Hwnd()));
}

TEST_F(ReadingDatesTest, DayStepsStopAtTheFirstAndLastDayOfTheRange) {
  WriteYear(m_year - 1, {{1, 1}});
  WriteYear(m_year, {});
  WriteYear(m_year + 1, {{12, 31}});
  Open();

  PickDate(m_year - 1, 1, 1);
  m_dlg->StepDay(-1);
  Settle();
  EXPECT_TRUE(IsSameDate(PickerTime(), m_year - 1, 1, 1));
  EXPECT_EQ(m_year - 1, Shown().nYear);
  EXPECT_EQ(1, Shown().nDay);
  EXPECT_EQ("verse of " + KeyOf(m_year - 1, 1, 1), ShownBody(0));

  PickDate(m_year + 1, 12, 31);
  m_dlg->StepDay(+1);
  Settle();
  EXPECT_TRUE(IsSameDate(PickerTime(), m_year + 1, 12, 31));
  EXPECT_EQ(m_year + 1, Shown().nYear);
  EXPECT_EQ(12, Shown().nMonth);
  EXPECT_EQ(31, Shown().nDay);
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

TEST_F(ReadingDatesTest, DayStepsKeepTheTimeOfDayAndCrossMonthsAndLeapDays) {
  WriteYear(m_year, {});
  Open();
  // 28 February of a leap year steps to the 29th, of another year to 1 March.
  const bool leap = (m_year % 4 == 0 && m_year % 100 != 0) || m_year % 400 == 0;
  PickDate(m_year, 2, 28);
  m_dlg->StepDay(+1);
  EXPECT_EQ(leap ? 2 : 3, Shown().nMonth);
  EXPECT_EQ(leap ? 29 : 1, Shown().nDay);
  EXPECT_EQ(9, PickerTime().wHour);
  EXPECT_EQ(30, PickerTime().wMinute);
  PickDate(m_year, 5, 1);
  m_dlg->StepDay(-1);
  EXPECT_EQ(4, Shown().nMonth);
  EXPECT_EQ(30, Shown().nDay);
}

TEST_F(ReadingDatesTest, F1AsksTheMainWindowForHelpAndTheKeyGoesOn) {
  WriteYear(m_year, {});
  Open();
  CCommandWindow main;
  m_dlg->SetMainWindow(main.Get());
  const HWND button = Item(IDC_NEXT_DAY);
  CKeyCounter keys(button);
  PressKey(button, VK_F1);
  ASSERT_EQ(1u, main.commands.size());
  EXPECT_EQ(static_cast<WPARAM>(ID_HELP_OPEN), main.commands[0]);
  EXPECT_EQ(1, keys.Keys());
  EXPECT_TRUE(::IsWindow(Hwnd()));
}

TEST_F(ReadingDatesTest, DiaryButtonShowsWhetherTheShownDateHasAnEntry) {
  WriteYear(m_year, {{6, 1}, {6, 2}});
  {
    CDiaryStore store;
    ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
    store.WriteEntry(KeyOf(m_year, 6, 2), "t", "m", "p");
  }
  Open();
  PickDate(m_year, 6, 1);
  EXPECT_EQ(DiaryFace::kEmpty, Face());
  m_dlg->StepDay(+1);
  EXPECT_EQ(DiaryFace::kWritten, Face());
  // A date without a passage still shows its diary face.
  m_dlg->StepDay(+1);
  EXPECT_EQ(DiaryFace::kEmpty, Face());
  EXPECT_TRUE(ShowsIcon(IDC_DIARY_BUTTON));
}

TEST_F(ReadingDatesTest, WithoutADiaryWindowTheDiaryButtonAndItsCloseMessageDoNothing) {
  WriteYear(m_year, {});
  Open();
  ::SendMessageW(Item(IDC_DIARY_BUTTON), BM_CLICK, 0, 0);
  ::SendMessageW(Hwnd(), WM_DIARY_CLOSE, 0, 0);
  ::SendMessageW(Hwnd(), WM_DATE_SYNC, 0, 0);
  Settle();
  EXPECT_FALSE((Face() == DiaryFace::kOpen));
  EXPECT_TRUE(::IsWindow(Hwnd()));
}

TEST_F(ReadingDatesTest, DiaryWindowOpensBesideClosesAndFollowsTheDate) {
  HWND diary = nullptr;
  int syncs = 0;
  CFakeDiary* fake = nullptr;
  m_makeDiary = [&] {
    auto made = std::make_unique<CFakeDiary>(diary, syncs);
    fake = made.get();
    return made;
  };
  WriteYear(m_year, {{6, 1}, {6, 2}, {6, 9}});
  Open();
  PickDate(m_year, 6, 1);
  ASSERT_NE(nullptr, fake);

  ::SendMessageW(Item(IDC_DIARY_BUTTON), BM_CLICK, 0, 0);
  Settle();
  ASSERT_TRUE(::IsWindow(diary));
  EXPECT_TRUE((Face() == DiaryFace::kOpen));
  EXPECT_TRUE(::IsWindowVisible(diary));
  RECT place;
  ::GetWindowRect(diary, &place);
  EXPECT_EQ(150, place.left);
  EXPECT_EQ(160, place.top);
  EXPECT_EQ(KeyOf(m_year, 6, 1), m_dlg->DiarySession().ShownKey());
  EXPECT_EQ(m_year, fake->m_nFirstYear);
  EXPECT_EQ(DiaryFace::kOpen, Face());

  // A step here moves the diary; the face stays that of the open diary.
  m_dlg->StepDay(+1);
  EXPECT_EQ(1, syncs);
  EXPECT_EQ(KeyOf(m_year, 6, 2), m_dlg->DiarySession().ShownKey());
  EXPECT_EQ(DiaryFace::kOpen, Face());

  // A date chosen in the diary moves the reading window, without a sync back.
  m_dlg->DiarySession().SetShownDate({m_year, 6, 9});
  ::SendMessageW(Hwnd(), WM_DATE_SYNC, 0, 0);
  EXPECT_EQ(9, Shown().nDay);
  EXPECT_EQ("verse of " + KeyOf(m_year, 6, 9), ShownBody(0));
  EXPECT_TRUE(IsSameDate(PickerTime(), m_year, 6, 9));
  EXPECT_EQ(1, syncs);

  // An entry stored meanwhile shows on the button once the diary closes.
  m_dlg->DiarySession().WriteEntry(KeyOf(m_year, 6, 9), "t", "", "");
  ::SendMessageW(Item(IDC_DIARY_BUTTON), BM_CLICK, 0, 0);
  Settle();
  EXPECT_FALSE(::IsWindow(diary));
  EXPECT_FALSE((Face() == DiaryFace::kOpen));
  EXPECT_EQ(DiaryFace::kWritten, Face());
}

// The picker writes a Korean date in either locale: the Korean long date under a Korean locale, and under
// any other the Korean year-month-day rather than the user's English long date.
TEST_F(ReadingDatesTest, ThePickerWritesTheDateTheKoreanWayInEveryLocale) {
  WriteYear(m_year, {});
  Open();
  PickDate(m_year, 3, 7);
  const std::string shown = WindowTextUtf8(Item(IDC_READING_DATE));
  const std::string korean = std::to_string(m_year) + "년 3월 7일";
  if (PRIMARYLANGID(LANGIDFROMLCID(::GetUserDefaultLCID())) == LANG_KOREAN) {
    EXPECT_NE(std::string::npos, shown.find(std::to_string(m_year) + "년")) << shown;
  } else {
    EXPECT_EQ(korean, shown);
  }
}

// The read days in bold in the calendar that the reading window's date picker drops down: the days marked
// when the calendar drops are drawn bold, a day unmarked is drawn plain again, and the months the calendar
// scrolls to get their bold days too. Bold is read from the pixels: the same digits take more ink.
#include "ReadingDlgFixture.h"
#include "Screenshot.h"

#include <map>
#include <utility>

namespace {

class ReadingBoldDaysTest : public ReadingDlgTest {
 protected:
  HWND Calendar() const {
    return reinterpret_cast<HWND>(::SendMessageW(Item(IDC_READING_DATE), DTM_GETMONTHCAL, 0, 0));
  }

  // Marks or unmarks a day through the mark button's command, then shows the given day again.
  void ToggleMark(int month, int day, int shownMonth, int shownDay) {
    PickDate(m_year, month, day);
    m_dlg->ToggleReadMark();
    PickDate(m_year, shownMonth, shownDay);
  }

  // A click on the picker's drop-down button, as a user drops the calendar.
  void DropCalendar() {
    const HWND picker = Item(IDC_READING_DATE);
    RECT client;
    ::GetClientRect(picker, &client);
    const LPARAM at = MAKELPARAM(client.right - 6, client.bottom / 2);
    ::SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(picker, WM_LBUTTONUP, 0, at);
    Settle();
    ASSERT_TRUE(Calendar() && ::IsWindowVisible(Calendar())) << "the calendar did not drop";
    ::UpdateWindow(Calendar());
  }
  void CloseCalendar() {
    if (Calendar() && ::IsWindowVisible(Calendar())) ::ShowWindow(Calendar(), SW_HIDE);
    Settle();
  }

  // The ink of the digits of dates of the shown month, as the calendar is on the screen. Each date's cell
  // is found by asking the calendar what lies under points 3 pixels apart, and widened by the step.
  std::map<std::pair<int, int>, int> Ink() const {
    const HWND calendar = Calendar();
    RECT client;
    ::GetClientRect(calendar, &client);
    std::map<std::pair<int, int>, RECT> cells;
    for (int y = 0; y < client.bottom; y += 3)
      for (int x = 0; x < client.right; x += 3) {
        MCHITTESTINFO hit{};
        hit.cbSize = MCHITTESTINFO_V1_SIZE;
        hit.pt = POINT{x, y};
        ::SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.uHit != MCHT_CALENDARDATE) continue;
        const auto key = std::make_pair(static_cast<int>(hit.st.wMonth), static_cast<int>(hit.st.wDay));
        const RECT around{x - 2, y - 2, x + 3, y + 3};
        auto found = cells.emplace(key, around).first;
        ::UnionRect(&found->second, &found->second, &around);
      }
    const CScreenshot shot(calendar);
    std::map<std::pair<int, int>, int> ink;
    for (const auto& [date, cell] : cells) ink[date] = shot.CountInk(cell);
    return ink;
  }

  int ShownMonth() const {
    SYSTEMTIME range[2] = {};
    ::SendMessageW(Calendar(), MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range));
    return range[0].wMonth;
  }
};

TEST_F(ReadingBoldDaysTest, MarkedDaysAreBoldWhenTheCalendarDrops) {
  // Only days with a reading can be marked.
  WriteDatedPlan(m_year, {{3, 1}, {3, 10}, {3, 20}});
  Open();
  PickDate(m_year, 3, 1);
  DropCalendar();
  auto plain = Ink();
  ASSERT_TRUE(plain.count({3, 10}) && plain.count({3, 11}) && plain.count({3, 20})) << "days not found";
  CloseCalendar();

  ToggleMark(3, 10, 3, 1);
  ToggleMark(3, 20, 3, 1);
  DropCalendar();
  EXPECT_TRUE(::GetWindowLongW(Calendar(), GWL_STYLE) & MCS_DAYSTATE);
  auto marked = Ink();
  EXPECT_GT(marked.at(std::make_pair(3, 10)), plain.at(std::make_pair(3, 10)));
  EXPECT_GT(marked.at(std::make_pair(3, 20)), plain.at(std::make_pair(3, 20)));
  EXPECT_EQ(marked.at(std::make_pair(3, 11)), plain.at(std::make_pair(3, 11)));
  EXPECT_TRUE(CScreenshot(Calendar()).SaveBmp(ProgramFolder() + "reading-calendar-bold.bmp"));
  CloseCalendar();

  // Unmarked, the day is plain at the next drop.
  ToggleMark(3, 10, 3, 1);
  DropCalendar();
  auto unmarked = Ink();
  EXPECT_EQ(unmarked.at(std::make_pair(3, 10)), plain.at(std::make_pair(3, 10)));
  EXPECT_GT(unmarked.at(std::make_pair(3, 20)), plain.at(std::make_pair(3, 20)));
  CloseCalendar();
}

TEST_F(ReadingBoldDaysTest, TheMonthScrolledToShowsItsMarkedDaysBold) {
  WriteDatedPlan(m_year, {{3, 1}, {4, 20}});
  Open();
  ToggleMark(4, 20, 3, 1);
  DropCalendar();
  const int plainMarch20 = Ink().at(std::make_pair(3, 20));

  // The calendar's own next-month button.
  RECT client;
  ::GetClientRect(Calendar(), &client);
  POINT next{-1, -1};
  for (int y = 0; y < client.bottom / 3 && next.x < 0; ++y)
    for (int x = client.right - 1; x >= 0 && next.x < 0; --x) {
      MCHITTESTINFO hit{};
      hit.cbSize = MCHITTESTINFO_V1_SIZE;
      hit.pt = POINT{x, y};
      ::SendMessageW(Calendar(), MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.uHit == MCHT_TITLEBTNNEXT) next = hit.pt;
    }
  ASSERT_GE(next.x, 0) << "no next-month button";
  ::SendMessageW(Calendar(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(next.x, next.y));
  ::SendMessageW(Calendar(), WM_LBUTTONUP, 0, MAKELPARAM(next.x, next.y));
  Settle();
  ASSERT_EQ(ShownMonth(), 4);
  EXPECT_GT(Ink().at(std::make_pair(4, 20)), plainMarch20);
  CloseCalendar();
}

}  // namespace

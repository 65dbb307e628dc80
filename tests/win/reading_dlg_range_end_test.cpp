// The ends of the selectable range: a day button that cannot step is disabled and drawn greyed, the focus
// leaves it for the other day button, and it comes back as soon as the date moves away from the end.
#include <memory>

#include "ReadingDlgFixture.h"
#include "Screenshot.h"

namespace {

// The share of a button's pixels on screen that equal its resting icon drawn as the button draws it.
double SharedWithIcon(const CScreenshot& shot, const RECT& button, int iconId) {
  const int w = button.right - button.left, h = button.bottom - button.top;
  CPixelSurface image(w, h, ::GetSysColor(COLOR_BTNFACE));
  CIconHandle icon(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  ::DrawIconEx(image.Dc(), (w - 32) / 2, (h - 32) / 2, icon.Get(), 32, 32, 0, nullptr, DI_NORMAL);
  int same = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) same += shot.Pixel(button.left + x, button.top + y) == image.Pixel(x, y) ? 1 : 0;
  return static_cast<double>(same) / (w * h);
}

class ReadingRangeEndTest : public ReadingDlgTest {
 protected:
  void SetUp() override {
    ReadingDlgTest::SetUp();
    for (int offset : {-1, 0, 1}) WriteDatedPlan(m_year + offset, {{1, 1}, {12, 31}});
    Open();
  }
  bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
  // Space pressed and released on the focused button, as the keyboard clicks it.
  void PressSpace() {
    const HWND focus = ::GetFocus();
    ::PostMessageW(focus, WM_KEYDOWN, VK_SPACE, 0x00390001);
    ::PostMessageW(focus, WM_KEYUP, VK_SPACE, 0xC0390001);
    Settle();
  }
};

TEST_F(ReadingRangeEndTest, OnlyTheFirstAndLastDayDisableTheirDayButton) {
  const struct {
    int offset, month, day;
    bool prev, next;
  } rows[] = {
      {-1, 1, 1, false, true}, {-1, 1, 2, true, true},  {0, 1, 1, true, true},
      {0, 12, 31, true, true}, {1, 12, 30, true, true}, {1, 12, 31, true, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(DateKey(m_year + row.offset, row.month, row.day));
    PickDate(m_year + row.offset, row.month, row.day);
    EXPECT_EQ(row.prev, Enabled(IDC_PREV_DAY));
    EXPECT_EQ(row.next, Enabled(IDC_NEXT_DAY));
  }
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

TEST_F(ReadingRangeEndTest, KeyboardStepsToTheEndMoveTheFocusToTheOtherDayButton) {
  const struct {
    int startOffset, startMonth, startDay;
    int toward, away;  // the button that reaches the end, the one that steps back
    int endOffset, endMonth, endDay;
  } rows[] = {
      {1, 12, 30, IDC_NEXT_DAY, IDC_PREV_DAY, 1, 12, 31},
      {-1, 1, 2, IDC_PREV_DAY, IDC_NEXT_DAY, -1, 1, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.toward == IDC_NEXT_DAY ? "last day" : "first day");
    PickDate(m_year + row.startOffset, row.startMonth, row.startDay);
    ::SendMessageW(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(row.toward)), TRUE);
    Settle();
    ASSERT_EQ(Item(row.toward), ::GetFocus());
    PressSpace();
    EXPECT_EQ(row.endDay, Shown().nDay);
    EXPECT_TRUE(IsSameDate(GetPickerTime(Item(IDC_READING_DATE)), m_year + row.endOffset, row.endMonth, row.endDay));
    EXPECT_FALSE(Enabled(row.toward));
    EXPECT_EQ(Item(row.away), ::GetFocus()) << "the focus left the disabled button";
    // The next press steps back from the end, and the button is usable again.
    PressSpace();
    EXPECT_EQ(row.startDay, Shown().nDay);
    EXPECT_TRUE(Enabled(row.toward));
  }
}

TEST_F(ReadingRangeEndTest, ADisabledButtonIsDrawnGreyedAndStopsHovering) {
  PickDate(m_year + 1, 12, 30);
  const HWND next = Item(IDC_NEXT_DAY);
  ::SendMessageW(next, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  Settle();
  ASSERT_EQ(next, ::GetCapture());  // the button follows the mouse while it hovers
  ::SendMessageW(next, BM_CLICK, 0, 0);
  Settle();
  ASSERT_FALSE(Enabled(IDC_NEXT_DAY));
  EXPECT_NE(next, ::GetCapture());

  // The focus goes to the picker, so that no focus rectangle lies over the icons compared below.
  ::SetFocus(Item(IDC_READING_DATE));
  Settle();
  CScreenshot shot(Hwnd());
  shot.SaveBmp(ProgramFolder() + "reading-range-end.bmp");
  const RECT nextPlace = ItemRect(IDC_NEXT_DAY), prevPlace = ItemRect(IDC_PREV_DAY);
  EXPECT_GT(SharedWithIcon(shot, prevPlace, IDI_PREV_NORMAL), 0.97) << "the usable button keeps its icon";
  EXPECT_LT(SharedWithIcon(shot, nextPlace, IDI_NEXT_NORMAL), 0.9) << "the disabled one is greyed";
  EXPECT_LT(SharedWithIcon(shot, nextPlace, IDI_NEXT_HOVER), 0.9);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_GT(shot.Count(nextPlace, face, false), 30) << "something of the icon is drawn";
}

}  // namespace

// Scrolling through a passage in the real reading window: the scroll bar, the keys and when they act.
#include "ReadingDlgFixture.h"

namespace {

class ReadingScrollTest : public ReadingDlgTest {
 protected:
  // Opens the window on 10 March, whose passage is `bodies`.
  void OpenOn(const std::vector<std::string>& bodies) {
    WritePlan(m_year, {{3, 10, "range", bodies}});
    Open();
    PickDate(m_year, 3, 10);
  }
  // The first verse shown, as the scroll bar's position tells it.
  int First() const { return ::GetScrollPos(Bar(), SB_CTL); }
  HWND Bar() const { return Item(IDC_READING_SCROLL); }
};

}  // namespace

TEST_F(ReadingScrollTest, PageKeysMoveThePageAndItsBar) {
  OpenOn(Verses(20, 150));  // 150 bytes: 3 estimated lines each, five verses a page step
  int low = -1, high = -1;
  ::GetScrollRange(Bar(), SB_CTL, &low, &high);
  EXPECT_EQ(0, low);
  EXPECT_EQ(19, high);
  ASSERT_TRUE(::IsWindowEnabled(Bar()));

  const HWND button = Item(IDC_NEXT_DAY);
  PressKey(button, VK_NEXT);
  EXPECT_EQ(5, First());
  PressKey(button, VK_DOWN);
  EXPECT_EQ(6, First());
  PressKey(button, VK_PRIOR);
  EXPECT_EQ(0, First());
}

TEST_F(ReadingScrollTest, APassageThatFitsDisablesScrollingAndTheKeys) {
  OpenOn(Verses(2, 20));
  EXPECT_FALSE(::IsWindowEnabled(Bar()));

  const HWND button = Item(IDC_NEXT_DAY);
  CKeyCounter keys(button);
  PressKey(button, VK_NEXT);
  PressKey(button, VK_DOWN);
  EXPECT_EQ(0, First());
  EXPECT_EQ(0, keys.Keys());  // consumed even though they do nothing
}

TEST_F(ReadingScrollTest, ScrollingStaysOnAfterScrollingDownUntilTheFirstPageFitsAgain) {
  OpenOn(Verses(40, 20));
  ASSERT_TRUE(::IsWindowEnabled(Bar()));
  // Near the end the rest fits on the page, yet scrolling stays on so the user can go back.
  Scroll(SB_THUMBPOSITION, 38);
  EXPECT_TRUE(::IsWindowEnabled(Bar()));

  // A window tall enough for the whole passage decides again once it paints from the first verse.
  ::SetWindowPos(Hwnd(), nullptr, 0, 0, 800, 1000, SWP_NOZORDER | SWP_NOMOVE);
  Settle();
  EXPECT_TRUE(::IsWindowEnabled(Bar()));
  Scroll(SB_THUMBPOSITION, 0);
  EXPECT_FALSE(::IsWindowEnabled(Bar()));
  // And shrinking it back makes the passage overflow again.
  ::SetWindowPos(Hwnd(), nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOMOVE);
  Settle();
  EXPECT_TRUE(::IsWindowEnabled(Bar()));
}

TEST_F(ReadingScrollTest, KeysGoToTheDatePickerWhileItHasTheFocus) {
  OpenOn(Verses(40, 20));
  ASSERT_TRUE(::IsWindowEnabled(Bar()));
  const HWND picker = Item(IDC_READING_DATE);
  CKeyCounter keys(picker);
  PressKey(picker, VK_NEXT);
  PressKey(picker, VK_DOWN);
  EXPECT_EQ(0, First());
  EXPECT_EQ(2, keys.Keys());
}

TEST_F(ReadingScrollTest, ANewDayStartsAtItsFirstVerse) {
  WritePlan(m_year, {{3, 10, "a", Verses(40, 20)}, {3, 11, "b", Verses(30, 20)}});
  Open();
  PickDate(m_year, 3, 10);
  Scroll(SB_THUMBPOSITION, 25);
  m_dlg->Session().StepDay(+1);
  Settle();
  EXPECT_EQ(0, First());
  EXPECT_EQ(0, ::GetScrollPos(Bar(), SB_CTL));
  int low = -1, high = -1;
  ::GetScrollRange(Bar(), SB_CTL, &low, &high);
  EXPECT_EQ(29, high);
}

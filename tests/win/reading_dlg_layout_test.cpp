// The reading window's layout at its smallest size and maximised.
#include "ReadingDlgFixture.h"

namespace {

class ReadingLayoutTest : public ReadingDlgTest {
 protected:
  // Every rectangle and control follows the client size.
  void ExpectLayoutFor(int w, int h) {
    EXPECT_TRUE(EqualRect(m_dlg->m_rcText, RECT{15, 15, w - 15, h - 55}));
    EXPECT_TRUE(EqualRect(m_dlg->m_rcDateColumn, RECT{15, 15, 75, h - 55}));
    EXPECT_TRUE(EqualRect(m_dlg->m_rcHeader, RECT{75, 15, w - 15, 75}));
    EXPECT_TRUE(EqualRect(m_dlg->m_rcBelowHeader, RECT{15, 75, w - 15, h - 55}));
    EXPECT_TRUE(EqualRect(m_dlg->m_rcBodyFull, RECT{75, 75, w - 15, h - 55}));
    EXPECT_TRUE(EqualRect(m_dlg->m_rcBody, RECT{75, 75, w - 31, h - 55}));
    EXPECT_TRUE(EqualRect(ItemRect(IDC_READING_SCROLL), RECT{w - 31, 76, w - 15, h - 54}));
    EXPECT_TRUE(EqualRect(ItemRect(IDC_PREV_DAY), RECT{w - 240, h - 40, w - 205, h - 10}));
    EXPECT_TRUE(EqualRect(ItemRect(IDC_NEXT_DAY), RECT{w - 185, h - 40, w - 150, h - 10}));
    EXPECT_TRUE(EqualRect(ItemRect(IDC_DIARY_BUTTON), RECT{w - 130, h - 40, w - 95, h - 10}));
    EXPECT_TRUE(EqualRect(ItemRect(IDOK), RECT{w - 75, h - 40, w - 40, h - 10}));
    EXPECT_TRUE(EqualRect(ItemRect(IDC_READING_DATE), RECT{40, h - 37, 210, h - 17}));
  }
  static bool EqualRect(const RECT& a, const RECT& b) {
    const bool equal = ::EqualRect(&a, &b) != FALSE;
    if (!equal)
      ADD_FAILURE() << "(" << a.left << "," << a.top << "," << a.right << "," << a.bottom << ") is not (" << b.left
                    << "," << b.top << "," << b.right << "," << b.bottom << ")";
    return equal;
  }
  SIZE ClientSize() const {
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    return SIZE{client.right, client.bottom};
  }
};

}  // namespace

TEST_F(ReadingLayoutTest, OpensLaidOutForItsTemplateSize) {
  WritePlan(m_year, {});
  Open();
  const SIZE client = ClientSize();
  ExpectLayoutFor(client.cx, client.cy);
}

TEST_F(ReadingLayoutTest, CannotBeMadeSmallerThan500By300) {
  WritePlan(m_year, {});
  Open();
  ::SetWindowPos(Hwnd(), nullptr, 0, 0, 320, 180, SWP_NOZORDER | SWP_NOMOVE);
  Settle();
  RECT window;
  ::GetWindowRect(Hwnd(), &window);
  EXPECT_EQ(500, window.right - window.left);
  EXPECT_EQ(300, window.bottom - window.top);

  MINMAXINFO info{};
  ::SendMessageA(Hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(500, info.ptMinTrackSize.x);
  EXPECT_EQ(300, info.ptMinTrackSize.y);

  const SIZE client = ClientSize();
  ExpectLayoutFor(client.cx, client.cy);
}

TEST_F(ReadingLayoutTest, MaximisingLaysOutAtTheNewSize) {
  WritePlan(m_year, {});
  Open();
  const SIZE before = ClientSize();
  ::ShowWindow(Hwnd(), SW_MAXIMIZE);
  Settle();
  const SIZE after = ClientSize();
  ASSERT_GT(after.cx, before.cx);
  ASSERT_GT(after.cy, before.cy);
  ExpectLayoutFor(after.cx, after.cy);
  ::ShowWindow(Hwnd(), SW_RESTORE);
  Settle();
  ExpectLayoutFor(before.cx, before.cy);
}

// The reading window's size: never smaller than 500 by 300, and its controls placed by the layout (whose
// rectangles reading_page_test.cpp pins) when it opens, is maximised and restored.
#include "ReadingDlgFixture.h"

namespace {

class ReadingLayoutTest : public ReadingDlgTest {
 protected:
  void ExpectControlsPlacedFor(SIZE client) {
    const ReadingLayout layout = LayOutReadingWindow(client.cx, client.cy);
    const std::pair<int, ControlPlace> controls[] = {
        {IDC_READING_SCROLL, layout.scrollBar}, {IDC_PREV_DAY, layout.prevDay}, {IDC_NEXT_DAY, layout.nextDay},
        {IDC_DIARY_BUTTON, layout.diary},       {IDOK, layout.close},           {IDC_READING_DATE, layout.datePicker}};
    for (const auto& [id, place] : controls) {
      const RECT rect = ItemRect(id);
      EXPECT_EQ(rect.left, place.x) << id;
      EXPECT_EQ(rect.top, place.y) << id;
      EXPECT_EQ(rect.right - rect.left, place.width) << id;
      EXPECT_EQ(rect.bottom - rect.top, place.height) << id;
    }
  }
  SIZE ClientSize() const {
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    return SIZE{client.right, client.bottom};
  }
};

}  // namespace

TEST_F(ReadingLayoutTest, CannotBeMadeSmallerThan500By300) {
  WritePlan(m_year, {});
  Open();
  ::SetWindowPos(Hwnd(), nullptr, 0, 0, 320, 180, SWP_NOZORDER | SWP_NOMOVE);
  Settle();
  RECT window;
  ::GetWindowRect(Hwnd(), &window);
  EXPECT_EQ(500, window.right - window.left);
  EXPECT_EQ(300, window.bottom - window.top);
  ExpectControlsPlacedFor(ClientSize());
}

TEST_F(ReadingLayoutTest, OpeningMaximisingAndRestoringLayOutAtTheSize) {
  WritePlan(m_year, {});
  Open();
  const SIZE before = ClientSize();
  ExpectControlsPlacedFor(before);
  ::ShowWindow(Hwnd(), SW_MAXIMIZE);
  Settle();
  const SIZE after = ClientSize();
  ASSERT_GT(after.cx, before.cx);
  ASSERT_GT(after.cy, before.cy);
  ExpectControlsPlacedFor(after);
  ::ShowWindow(Hwnd(), SW_RESTORE);
  Settle();
  ExpectControlsPlacedFor(before);
}

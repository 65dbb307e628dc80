// The diary's search window: the list and the count, literal search texts, a double click that moves
// both windows and selects the text.
#include "DiaryDlgFixture.h"

namespace {

using Texts = std::vector<std::string>;

}  // namespace

class DiaryFindTest : public DiaryDlgTest {
 protected:
  void OpenSearch() {
    Seed(Key(3, 5), u8"봄날의 감사", u8"오늘도 감사 또 감사", "");
    Seed(Key(1, 2), "", u8"\"인용\" 그리고 [괄호] *별*", u8"감사 기도");
    Seed(Key(11, 20), u8"추수", "", "");
    OpenOn(6, 1);
    Click(Diary(), IDC_DIARY_FIND);
    ASSERT_NE(Find(), nullptr);
  }
  std::string Shown(int month, int day) const { return ListDate(month, day); }
};

TEST_F(DiaryFindTest, ListsTheMatchingDatesInOrderWithTheirCount) {
  OpenSearch();
  const struct {
    const char* text;
    bool t, m, p;
    Texts dates;
  } cases[] = {
      {u8"감사", true, false, false, {Shown(3, 5)}},
      {u8"감사", true, true, true, {Shown(1, 2), Shown(3, 5)}},
      {"", true, false, false, {Shown(1, 2), Shown(3, 5), Shown(6, 1), Shown(11, 20)}},  // 6/1: the search stored it
      {"x", true, true, true, {}},  // the mark of an empty field is not text
      {"*", true, true, true, {Shown(1, 2)}},
      {"\" OR \"1\"=\"1", true, true, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    SearchFor(c.text, c.t, c.m, c.p);
    EXPECT_EQ(ListedDates(), c.dates);
    EXPECT_EQ(Text(FindItem(IDC_FIND_COUNT)), " " + std::to_string(c.dates.size()) + u8" 개");
  }
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();

  // Nothing ticked: the list and the count keep what they showed.
  SearchFor(u8"감사", true, true, true);
  SearchFor(u8"추수", false, false, false);
  EXPECT_EQ(ListedDates(), (Texts{Shown(1, 2), Shown(3, 5)}));
  EXPECT_EQ(Text(FindItem(IDC_FIND_COUNT)), u8" 2 개");

  // Opened again, the window shows the last text and ticks and an empty list.
  Click(Find(), IDCANCEL);
  Click(Diary(), IDC_DIARY_FIND);
  EXPECT_EQ(Text(FindItem(IDC_FIND_TEXT)), u8"추수");
  EXPECT_EQ(::IsDlgButtonChecked(Find(), IDC_FIND_TITLE), static_cast<UINT>(BST_UNCHECKED));
  EXPECT_TRUE(ListedDates().empty());
}

TEST_F(DiaryFindTest, ADoubleClickMovesBothWindowsAndSelectsTheTextWhereItOccurs) {
  OpenSearch();
  Type(IDC_DIARY_TITLE, u8"유월의 제목");  // typed on 6/1, stored when the result moves the diary away
  SearchFor(u8"감사", true, true, true);
  ASSERT_EQ(ListedDates(), (Texts{Shown(1, 2), Shown(3, 5)}));
  DoubleClickResult(1);
  EXPECT_EQ(DiaryKey(), Key(3, 5));
  EXPECT_EQ(ReadingKey(), Key(3, 5));
  EXPECT_EQ(Stored(Key(6, 1)).title, u8"유월의 제목");
  EXPECT_EQ(Selected(IDC_DIARY_TITLE), u8"감사");
  EXPECT_EQ(Selected(IDC_DIARY_MEDITATION), u8"감사");
  EXPECT_EQ(Selected(IDC_DIARY_PRAYER), "");

  // The same date again reloads nothing (typing stays) and selects again; no selection does nothing.
  Type(IDC_DIARY_TITLE, u8"새로 쓴 감사");
  DoubleClickResult(1);
  EXPECT_EQ(Text(DiaryItem(IDC_DIARY_TITLE)), u8"새로 쓴 감사");
  EXPECT_EQ(Selected(IDC_DIARY_TITLE), u8"감사");
  DoubleClickResult(-1);
  EXPECT_EQ(DiaryKey(), Key(3, 5));
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

// A picture for people: the reading window, the diary beside it and the search window with a chosen hit,
// Korean text in every field. Left in the build folder as diary-search.bmp.
TEST_F(DiaryFindTest, ScreenshotOfTheThreeWindowsWithASelectedHit) {
  WriteThisYear({{3,
                  5,
                  u8"시편 23:1-3",
                  {u8"여호와는 나의 목자시니 내게 부족함이 없으리로다",
                   u8"그가 나를 푸른 풀밭에 누이시며 쉴 만한 물 가로 인도하시는도다",
                   u8"내 영혼을 소생시키시고 자기 이름을 위하여 의의 길로 인도하시는도다"}}});
  Seed(Key(3, 5), u8"봄날의 감사", u8"오늘도 목자 되신 주님께 감사합니다.\r\n쉴 만한 물 가에서 감사를 배웁니다.",
       u8"주님, 감사의 마음을 잃지 않게 하소서.");
  Seed(Key(1, 2), u8"새해 첫 기도", u8"새 마음으로 시작합니다.", u8"한 해를 지켜 주소서.");
  OpenOn(1, 2);
  Click(Diary(), IDC_DIARY_FIND);
  SearchFor(u8"감사", true, true, true);
  ASSERT_EQ(ListedDates().size(), 1u);
  DoubleClickResult(0);
  ASSERT_EQ(Selected(IDC_DIARY_TITLE), u8"감사");
  RECT diary;
  ::GetWindowRect(Diary(), &diary);
  ::SetWindowPos(Find(), HWND_TOP, diary.right + 10, diary.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  Settle();
  for (HWND window : {Hwnd(), Diary(), Find()})
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::Sleep(200);
  Settle();

  // Each window copied from its own surface to its place, bottom to top (the desktop itself is not readable).
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  CPixelSurface screen(width, height, RGB(58, 110, 165));
  for (HWND window : {Hwnd(), Diary(), Find()}) {
    RECT place;
    ::GetWindowRect(window, &place);
    HDC source = ::GetWindowDC(window);
    ::BitBlt(screen.Dc(), place.left, place.top, place.right - place.left, place.bottom - place.top, source, 0, 0,
             SRCCOPY);
    ::ReleaseDC(window, source);
  }
  RECT find;
  ::GetWindowRect(Find(), &find);
  // Something is drawn where the search window stands: not one flat colour.
  EXPECT_GT(screen.Count(find, screen.Pixel(find.left + 5, find.top + 40), false), 100);
  char program[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, program, sizeof program);
  std::string folder = program;
  folder = folder.substr(0, folder.find_last_of('\\') + 1);
  EXPECT_TRUE(screen.SaveBmp(folder + "diary-search.bmp"));
}

// The diary's search window: the list and the count, literal search texts, a double click that moves
// both windows and selects the text, and a diary without a database.
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
  std::string Shown(int month, int day) const { return Cp949ToUtf8(FormatDisplayDate(m_year, month, day)); }
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
      {"\"", false, true, false, {Shown(1, 2)}},
      {"[", false, true, false, {Shown(1, 2)}},
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
  EXPECT_EQ(DiaryObject().m_time.wHour, 12);
  EXPECT_EQ(Stored(Key(6, 1)).title, u8"유월의 제목");
  EXPECT_EQ(Selected(IDC_DIARY_TITLE), u8"감사");
  EXPECT_EQ(Selected(IDC_DIARY_MEDITATION), u8"감사");
  EXPECT_EQ(Selected(IDC_DIARY_PRAYER), "");

  // The same date again reloads nothing and selects again; no selection does nothing.
  ::SendMessageA(DiaryItem(IDC_DIARY_TITLE), EM_SETSEL, 0, 0);
  DoubleClickResult(1);
  EXPECT_EQ(Selected(IDC_DIARY_TITLE), u8"감사");
  DoubleClickResult(-1);
  EXPECT_EQ(DiaryKey(), Key(3, 5));
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

TEST_F(DiaryFindTest, WithoutADiaryDatabaseTheSearchSaysSoAndListsNothing) {
  // A folder in the way of the file being built makes the creation fail.
  std::filesystem::create_directories(TestFiles::FsPath(m_dir.ProgramDir() + "memo.mdb.new") / "blocked");
  OpenOn(6, 1);
  Click(Diary(), IDC_DIARY_FIND);
  SearchFor("", true, true, true);
  EXPECT_TRUE(ListedDates().empty());
  EXPECT_EQ(Text(FindItem(IDC_FIND_COUNT)), u8" 0 개");
  ASSERT_EQ(m_boxes.Boxes().size(), 2u) << BoxTexts();
  EXPECT_EQ(Cp949ToUtf8(m_boxes.Boxes()[0].text), "DB Creation failed.");
  EXPECT_EQ(Cp949ToUtf8(m_boxes.Boxes()[1].text), u8"일기 데이터베이스가 없어 찾을 수 없습니다.");
}

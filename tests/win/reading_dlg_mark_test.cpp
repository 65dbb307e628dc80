// The reading window's read mark: the button marks and unmarks the shown day by click, Space and Enter,
// the mark is stored and read back on reopening, the progress line follows it, the button is greyed
// without a diary, and "읽지 않은 날로" shows the earliest unmarked day with a reading.
#include <sqlite3.h>

#include "ReadingDlgFixture.h"
#include "Screenshot.h"
#include "core/TestFiles.h"

namespace {

const char* const kUnread = u8"올해 0일 읽음 · 연속 0일";

class ReadingMarkTest : public ReadingDlgTest {
 protected:
  void SetUp() override {
    ReadingDlgTest::SetUp();
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_month = now.wMonth;
    m_day = now.wDay;
  }

  // A plan for this year with readings on 1 to 3 January and today.
  void WriteYearPlan() { WriteDatedPlan(m_year, {{1, 1}, {1, 2}, {1, 3}, {m_month, m_day}}); }

  std::string Progress() const { return WindowTextUtf8(Item(IDC_HABIT_PROGRESS)); }
  bool MarkEnabled() const { return ::IsWindowEnabled(Item(IDC_MARK_READ)) != FALSE; }

  void Click() {
    ::SendMessageW(Item(IDC_MARK_READ), BM_CLICK, 0, 0);
    Settle();
  }
  void Key(WPARAM key) {
    ::SetFocus(Item(IDC_MARK_READ));
    ::PostMessageW(Item(IDC_MARK_READ), WM_KEYDOWN, key, 1);
    ::PostMessageW(Item(IDC_MARK_READ), WM_KEYUP, key, 0xC0000001);
    Settle();
  }
  void CatchUp() {
    ::SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(ID_CATCH_UP, 0), 0);
    Settle();
  }

  int m_month = 0, m_day = 0;
};

TEST_F(ReadingMarkTest, MarkingTodayIsStoredKeptOnReopeningAndCounted) {
  WriteYearPlan();
  const struct {
    const char* name;
    std::function<void()> press;
  } ways[] = {
      {"a click", [this] { Click(); }},
      {"Space", [this] { Key(VK_SPACE); }},
      {"Enter", [this] { Key(VK_RETURN); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    Open();
    ASSERT_TRUE(MarkEnabled());
    EXPECT_EQ(::GetFocus(), Item(IDC_PREV_DAY));
    EXPECT_FALSE(m_dlg->MarkButtonShowsRead());
    EXPECT_EQ(Progress(), kUnread);
    EXPECT_TRUE(ShowsIcon(IDC_MARK_READ));

    way.press();
    ASSERT_TRUE(Hwnd()) << "the window closed";
    EXPECT_TRUE(m_dlg->MarkButtonShowsRead());
    EXPECT_EQ(Progress(), u8"올해 1일 읽음 · 연속 1일");

    // Closed and opened again, the window reads the mark back from memo.mdb.
    m_dlg.reset();
    Open();
    EXPECT_TRUE(m_dlg->MarkButtonShowsRead());
    EXPECT_EQ(Progress(), u8"올해 1일 읽음 · 연속 1일");

    way.press();
    EXPECT_FALSE(m_dlg->MarkButtonShowsRead());
    EXPECT_EQ(Progress(), kUnread);
    m_dlg.reset();
    Open();
    EXPECT_FALSE(m_dlg->MarkButtonShowsRead());
    m_dlg.reset();
  }
  EXPECT_EQ(BoxTexts(), "");
}

TEST_F(ReadingMarkTest, AMarkThatCannotBeStoredSaysWhyAndStaysAsItWas) {
  WriteYearPlan();
  Open();
  // Another connection holds memo.mdb past the diary's wait.
  sqlite3* holder = nullptr;
  ASSERT_EQ(sqlite3_open((m_dir.ProgramDir() + "memo.mdb").c_str(), &holder), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  Click();
  sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(holder);
  ASSERT_EQ(m_boxes.Boxes().size(), 1u) << BoxTexts();
  const std::string& failure = m_boxes.Boxes()[0].text;
  EXPECT_EQ(failure.rfind(u8"읽음 표시를 저장하지 못했습니다. 표시는 그대로입니다.\n", 0), 0u) << failure;
  EXPECT_NE(failure.find(u8"memo.mdb 파일을 다른 프로그램이 사용하고 있습니다."), std::string::npos) << failure;
  EXPECT_FALSE(m_dlg->MarkButtonShowsRead());
  EXPECT_EQ(Progress(), kUnread);
  // Once the file is free, the same click stores the mark.
  Click();
  EXPECT_TRUE(m_dlg->MarkButtonShowsRead());
}

TEST_F(ReadingMarkTest, TheButtonFollowsTheShownDayAndTheProgressStaysOnToday) {
  if (m_month == 1 && m_day <= 3) GTEST_SKIP() << "today is one of the plan's January days";
  WriteYearPlan();
  Open();
  PickDate(m_year, 1, 2);
  Click();
  EXPECT_TRUE(m_dlg->MarkButtonShowsRead());
  // A day read ahead or behind counts for the year; the run ends yesterday or today, so it stays 0.
  EXPECT_EQ(Progress(), u8"올해 1일 읽음 · 연속 0일");
  PickDate(m_year, 1, 3);
  EXPECT_FALSE(m_dlg->MarkButtonShowsRead());
  // A day without a reading cannot be marked, so progress, catch-up and the reminder count alike.
  PickDate(m_year, 1, 4);
  EXPECT_FALSE(MarkEnabled());
  PickDate(m_year, 1, 2);
  EXPECT_TRUE(m_dlg->MarkButtonShowsRead());
  EXPECT_TRUE(MarkEnabled());
}

// Tab follows the bottom row from left to right, from the date picker on, and then reads the page; the
// window starts on the previous-day button.
TEST_F(ReadingMarkTest, TheTabOrderFollowsTheRowFromLeftToRight) {
  WriteYearPlan();
  Open();
  PickDate(m_year, 1, 2);
  std::vector<int> order;
  HWND focus = Item(IDC_READING_DATE);
  for (int i = 0; i < 7; ++i) {
    PressKey(focus, VK_TAB);
    focus = ::GetFocus();
    order.push_back(::GetDlgCtrlID(focus));
  }
  EXPECT_EQ(order, (std::vector<int>{IDC_MARK_READ, IDC_PREV_DAY, IDC_NEXT_DAY, IDC_DIARY_BUTTON, IDOK,
                                     IDC_READING_PAGE, IDC_READING_DATE}));
}

TEST_F(ReadingMarkTest, WithoutADiaryTheButtonIsGreyedAndReadingGoesOn) {
  WriteYearPlan();
  TestFiles::Write(m_dir.ProgramDir() + "memo.mdb", std::string(8192, 'Z'));
  Open();
  EXPECT_FALSE(MarkEnabled());
  EXPECT_EQ(Progress(), "");
  Click();
  EXPECT_FALSE(m_dlg->MarkButtonShowsRead());
  // The page is there all the same; catching up, which would take every day for unread, says why not.
  CatchUp();
  EXPECT_EQ(BoxTexts(), u8"[일기 파일에서 읽음 표시를 읽을 수 없어 읽지 않은 날을 찾을 수 없습니다.] ");
  EXPECT_EQ(Shown().date.month, m_month);
  EXPECT_EQ(Shown().date.day, m_day);
  EXPECT_EQ(ShownBody(0), "verse of " + DateKey(m_year, m_month, m_day));
}

TEST_F(ReadingMarkTest, CatchingUpShowsTheEarliestUnmarkedDayWithAReading) {
  if (m_month == 1 && m_day <= 3) GTEST_SKIP() << "today is one of the plan's January days";
  WriteYearPlan();
  const struct {
    const char* name;
    std::vector<int> januaryDaysMarked;
    int month, day;  // the day shown after the command
  } rows[] = {
      {"nothing marked", {}, 1, 1},
      {"1 January marked", {1}, 1, 2},
      {"a gap on 2 January", {1, 3}, 1, 2},
      {"all of January marked: today", {1, 2, 3}, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const int month = row.month ? row.month : m_month, day = row.month ? row.day : m_day;
    Open();
    for (int marked : row.januaryDaysMarked) {
      PickDate(m_year, 1, marked);
      Click();
    }
    PickDate(m_year, m_month, m_day);
    CatchUp();
    EXPECT_EQ(Shown().date.month, month);
    EXPECT_EQ(Shown().date.day, day);
    EXPECT_TRUE(IsSameDate(GetPickerTime(Item(IDC_READING_DATE)), m_year, month, day));
    // Unmark again for the next row.
    for (int marked : row.januaryDaysMarked) {
      PickDate(m_year, 1, marked);
      Click();
    }
    m_dlg.reset();
  }
  EXPECT_EQ(BoxTexts(), "");
}

TEST_F(ReadingMarkTest, CatchingUpWithEveryDayMarkedOrNoPlanSaysSoAndStays) {
  WriteDatedPlan(m_year, {{m_month, m_day}});
  Open();
  Click();
  CatchUp();
  EXPECT_EQ(BoxTexts(), u8"[올해 오늘까지 읽을 날은 모두 읽음으로 표시되어 있습니다.] ");
  EXPECT_EQ(Shown().date.month, m_month);
  EXPECT_EQ(Shown().date.day, m_day);
  // Without this year's plan nothing was there to read: the message says that, not that all is read.
  m_dlg.reset();
  m_dir.Remove(std::to_string(m_year) + ".dat");
  m_boxes.Clear();
  Open();
  m_boxes.Clear();
  CatchUp();
  EXPECT_EQ(BoxTexts(), u8"[올해 오늘까지는 본문이 있는 날이 없어 읽지 않은 날을 찾을 수 없습니다.\n"
                        u8"올해의 본문 파일이 프로그램 폴더에 있는지 보십시오.] ");
}

TEST_F(ReadingMarkTest, ScreenshotOfTheMarkAndTheProgress) {
  WriteDatedPlan(m_year, {{m_month, m_day}});
  Open();
  Click();
  const CScreenshot shot(Hwnd());
  EXPECT_TRUE(shot.SaveBmp(ProgramFolder() + "reading-mark-progress.bmp"));
  // The progress line and the mark button lie outside the page's frame.
  const RECT progress = ItemRect(IDC_HABIT_PROGRESS), mark = ItemRect(IDC_MARK_READ);
  const ReadingLayout layout = LayOutReadingWindow(shot.Width(), shot.Height());
  EXPECT_GT(progress.top, layout.rcText.bottom);
  EXPECT_GT(mark.top, layout.rcText.bottom);
  RECT overlap;
  EXPECT_FALSE(::IntersectRect(&overlap, &progress, &mark));
  const RECT picker = ItemRect(IDC_READING_DATE);
  EXPECT_FALSE(::IntersectRect(&overlap, &progress, &picker));
  EXPECT_TRUE(ShowsIcon(IDC_MARK_READ));
}

}  // namespace

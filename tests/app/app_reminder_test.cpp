// The tray's daily reminder in the real program, with the recording build's played clock (clock.txt) and
// notification state (notifications.txt); the test plays the shell's word that a balloon was shown: the
// balloon at the chosen time with today's range text and the program's own icon, none where today is read,
// has no reading or the reminder is off, one a day once shown across a restart and a sleep, held back while the
// user takes no notifications, its click, and the tray's catch-up item.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "app/MainFrame.h"
#include "core/DbTestData.h"
#include "diary/ReadMarkStore.h"
#include "res/TextIds.h"
#include "win/LinuxPrograms.h"
#include "win/WinTestSupport.h"

namespace {

using Calls = std::vector<std::vector<std::string>>;

int ThisYear() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return now.wYear;
}

// March of this year: readings from the 8th to the 11th, none on the 12th.
std::string MarchPlan(int year) {
  const std::string y = std::to_string(year);
  return "INSERT INTO YEAR VALUES(" + y + ", '" + y + "년 성경 읽기');" +
         "INSERT INTO MONTH VALUES(3, '3월');"
         "INSERT INTO DAYRANGE VALUES(3, 8, 308, '출애굽기 1장'), (3, 9, 309, '출애굽기 2장'),"
         "  (3, 10, 310, '창세기 1-3장'), (3, 11, 311, '창세기 4-5장');"
         "INSERT INTO DAY VALUES(308, 1, '1', '첫 구절'), (309, 1, '1', '둘째 날'), (310, 1, '1', '태초에'),"
         "  (311, 1, '1', '넷째 날');";
}

// A diary as the program makes it, with the given days of March marked read.
void MakeDiaryWithMarks(const std::string& path, int year, const std::vector<int>& marchDays) {
  dbtest::MakeDiary(path);
  CDaoDatabase db;
  db.Open(path);
  CReadMarkStore store;
  ASSERT_TRUE(store.Open(db));
  for (int day : marchDays) store.SetMarked({year, 3, day}, true);
}

class ReminderProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.Ready());
    m_folder.ReplacePlan(m_year, MarchPlan(m_year));
  }
  void TearDown() override {
    if (!m_program.IsRunning()) return;
    if (m_program.ReadingWindow()) m_program.CloseReading();
    EXPECT_EQ(m_program.Exit(), 0);
  }

  // The played clock, from the moment the program reads the file: "3-10 09:59:57" is 10 March this year.
  void PlayClock(int day, const std::string& time) const {
    TestFiles::Write(m_folder.Dir() + "clock.txt", std::to_string(m_year) + "-03-" + std::to_string(day) + " " + time);
  }
  void WriteSettings(const std::string& text) const { TestFiles::Write(m_folder.Dir() + "Vesperal.ini", text); }
  std::string SettingsText() const { return TestFiles::Read(m_folder.Dir() + "Vesperal.ini"); }
  bool KeptAsShown(int marchDay) const {
    return SettingsText().find("lastBalloon=" + March(marchDay)) != std::string::npos;
  }
  // The shell's word about the balloon, as the tray reports it; handled when it returns.
  void ShellSays(LPARAM word) const { Send(WM_TRAYNOTIFY, kTrayIconId, word); }
  bool Start() {
    if (!m_program.Start(m_folder, "smode") || !m_program.WaitUntilIdle(m_folder)) return false;
    m_frame = m_program.MainFrame();
    return true;
  }
  // The tray calls that changed the icon's record (NIM_MODIFY): the balloons.
  Calls Balloons() const {
    Calls balloons;
    for (auto& call : m_folder.Calls("notify"))
      if (call[1] == "1") balloons.push_back(call);
    return balloons;
  }
  // A message sent to the frame, handled when it returns.
  void Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(m_frame, msg, wParam, lParam, SMTO_NORMAL, 10000, &ignored));
  }
  // The day the reading window shows ("YYYYMMDD"), as the recording build writes it when asked.
  std::string ShownDay() const {
    ::PostMessageW(m_frame, ::RegisterWindowMessageW(L"VesperalTestRecordShownDay"), 0, 0);
    if (!m_program.Roundtrip()) return "";
    const Calls shown = m_folder.Calls("shown");
    return shown.empty() ? "" : shown.back()[1];
  }
  std::string March(int day) const {
    return std::to_string(m_year) + "03" + (day < 10 ? "0" : "") + std::to_string(day);
  }
  bool Shows(int marchDay) const {
    return WaitUntil([&] { return ShownDay() == March(marchDay); });
  }
  void ClickDayButton(int id) const {
    HWND reading = m_program.ReadingWindow();
    ::PostMessageW(reading, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(reading, id)));
  }

  int m_year = ThisYear();
  ProgramFolder m_folder;
  ProgramProcess m_program;
  HWND m_frame = nullptr;
};

TEST_F(ReminderProgram, TheBalloonComesAtTheChosenTimeWithTodaysRangeOnceADayAcrossARestart) {
  WriteSettings("reminder=on\nreminderTime=10:00\n");
  PlayClock(10, "09:59:57");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Balloons().empty()) << "not before the time";
  ASSERT_TRUE(WaitUntil([this] { return !Balloons().empty(); }, 15000));
  const auto balloon = Balloons().front();
  ASSERT_EQ(balloon.size(), 13u);
  EXPECT_EQ(balloon[2], std::to_string(kBalloonRecordSize)) << "the full record, which Wine's shell takes";
  EXPECT_EQ(balloon[4], std::to_string(kTrayIconId));
  EXPECT_EQ(balloon[5], std::to_string(NIF_INFO));
  EXPECT_EQ(balloon[9], "오늘의 말씀");
  EXPECT_EQ(balloon[10], "창세기 1-3장");
  EXPECT_EQ(balloon[11], std::to_string(kBalloonOwnIcon | kBalloonLargeIcon));
  EXPECT_EQ(balloon[12], std::to_string(::GetSystemMetrics(SM_CXICON))) << "the program's icon, large";
  // The icon's own records keep their first layout.
  EXPECT_EQ(m_folder.Calls("notify").front()[2], std::to_string(kTrayRecordSize));
  // Sent is not seen: the day counts once the shell says it showed the balloon.
  ShellSays(NIN_BALLOONTIMEOUT);
  EXPECT_FALSE(KeptAsShown(10));
  ShellSays(NIN_BALLOONSHOW);
  EXPECT_TRUE(KeptAsShown(10));

  // Started again later that day: the day's balloon was shown.
  EXPECT_EQ(m_program.Exit(), 0);
  PlayClock(10, "11:00:00");
  ProgramProcess again;
  ASSERT_TRUE(again.Start(m_folder, "smode"));
  ASSERT_TRUE(again.WaitUntilIdle(m_folder));
  EXPECT_EQ(Balloons().size(), 1u);
  EXPECT_EQ(again.Exit(), 0);
}

// The balloons that the tray shows now: Wine draws them as balloon tooltips of its tray.
std::vector<HWND> ShownBalloons() {
  std::vector<HWND> found;
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
    if (ClassOf(w) == "tooltips_class32" && ::IsWindowVisible(w) && (::GetWindowLongW(w, GWL_STYLE) & TTS_BALLOON))
      found.push_back(w);
  return found;
}

// The X screen's pixels of `area`, as people see them, taken by ImageMagick's import beneath Wine (a device
// context of Wine's screen holds only what this process drew) and kept as a BMP file at `path`.
class CXScreenPicture : public CPixelSurface {
 public:
  CXScreenPicture(const RECT& area, const std::string& path)
      : CPixelSurface(area.right - area.left, area.bottom - area.top, RGB(0, 0, 0)) {
    ::DeleteFileW(Widen(path).c_str());
    RunLinux("/usr/bin/import", "-window root -crop " + std::to_string(Width()) + "x" + std::to_string(Height()) + "+" +
                                    std::to_string(area.left) + "+" + std::to_string(area.top) + " +repage bmp3:\"" +
                                    LinuxPath(path) + "\"");
    // Wine does not wait for a Linux program: the picture is there once the file reads whole.
    CBitmapHandle picture;
    m_bTaken = WaitUntil([&] {
      picture.Reset(static_cast<HBITMAP>(
          ::LoadImageW(nullptr, Widen(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
      return picture.Get() != nullptr;
    });
    if (!m_bTaken) return;
    CMemoryDcHandle source(::CreateCompatibleDC(nullptr));
    const HGDIOBJ previous = ::SelectObject(source.Get(), picture.Get());
    ::BitBlt(Dc(), 0, 0, Width(), Height(), source.Get(), 0, 0, SRCCOPY);
    ::SelectObject(source.Get(), previous);
  }
  bool Taken() const { return m_bTaken; }

 private:
  bool m_bTaken = false;
};

TEST_F(ReminderProgram, WinesTrayShowsTheBalloonWithItsTexts) {
  WriteSettings("reminder=on\nreminderTime=10:00\n");
  PlayClock(10, "10:30:00");
  ASSERT_TRUE(Start());
  ASSERT_EQ(Balloons().size(), 1u);
  ASSERT_TRUE(WaitUntil([] { return !ShownBalloons().empty(); })) << "no balloon on the screen";
  WaitUntil([] { return false; }, 300);  // drawn
  RECT balloon;
  ::GetWindowRect(ShownBalloons().front(), &balloon);
  // The picture takes in the tray's window above the balloon, whose tail points at the icon; it is kept in
  // the build folder, beside the test program, for people to look at.
  wchar_t self[MAX_PATH] = L"";
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::string exe = Narrow(self);
  const RECT area{0, 0, std::max<LONG>(balloon.right, 200), balloon.bottom};
  CXScreenPicture screen(area, exe.substr(0, exe.find_last_of('\\') + 1) + "reminder-balloon.bmp");
  ASSERT_TRUE(screen.Taken());
  // A band across the middle of the balloon: light ground at both ends (inside the bubble, off the screen's
  // black), and the ink of the texts between. Wine's shell does not pass the balloon's own icon on to its
  // tray, which then draws the title without an icon, the texts from the bubble's left edge.
  const int middle = (balloon.top + balloon.bottom) / 2;
  const RECT band{balloon.left + 4, middle - 10, balloon.right - 8, middle + 10};
  EXPECT_EQ(screen.CountInk({band.left, band.top, band.left + 1, band.bottom}), 0);
  EXPECT_EQ(screen.CountInk({band.right - 1, band.top, band.right, band.bottom}), 0);
  EXPECT_GT(screen.CountInk(band), 30) << "the title and the range text are drawn";
}

TEST(ReminderStart, ABalloonAfterTheTimeOnlyWhenTheReminderIsOnAndTodayIsUnread) {
  struct Case {
    const char* what;
    const char* settings;
    std::vector<int> marked;
    size_t balloons;
  } const cases[] = {
      {"on, today unread", "reminder=on\nreminderTime=10:00\n", {9}, 1},
      {"on, today marked read", "reminder=on\nreminderTime=10:00\n", {10}, 0},
      {"off", "reminder=off\nreminderTime=10:00\n", {}, 0},
  };
  const int year = ThisYear();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramFolder folder;
    ASSERT_TRUE(folder.Ready());
    folder.ReplacePlan(year, MarchPlan(year));
    TestFiles::Write(folder.Dir() + "Vesperal.ini", c.settings);
    TestFiles::Write(folder.Dir() + "clock.txt", std::to_string(year) + "-03-10 10:30:00");
    if (!c.marked.empty()) MakeDiaryWithMarks(folder.Dir() + "memo.mdb", year, c.marked);
    ProgramProcess program;
    ASSERT_TRUE(program.Start(folder, "smode"));
    // The start asks before the program waits for messages.
    ASSERT_TRUE(program.WaitUntilIdle(folder));
    size_t balloons = 0;
    for (auto& call : folder.Calls("notify")) balloons += call[1] == "1" ? 1 : 0;
    EXPECT_EQ(balloons, c.balloons);
    EXPECT_EQ(TestFiles::Exists(folder.Dir() + "memo.mdb"), !c.marked.empty()) << "the reminder makes no diary";
    EXPECT_EQ(program.Exit(), 0);
  }
}

TEST_F(ReminderProgram, AfterASleepPastTheTimeOneBalloonComesOnResumingAndTheNextDayAnother) {
  WriteSettings("reminder=on\nreminderTime=10:00\n");
  PlayClock(10, "09:00:00");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Balloons().empty());
  // Asleep from 9:00 to 10:30.
  PlayClock(10, "10:30:00");
  Send(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND);
  EXPECT_EQ(Balloons().size(), 1u);
  Send(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
  Send(WM_TIMECHANGE);
  EXPECT_EQ(Balloons().size(), 1u) << "one a day";
  // Off overnight; set the clock and the next day's balloon comes with its range.
  PlayClock(11, "10:30:00");
  Send(WM_TIMECHANGE);
  const auto balloons = Balloons();
  ASSERT_EQ(balloons.size(), 2u);
  EXPECT_EQ(balloons[1][10], "창세기 4-5장");
}

TEST_F(ReminderProgram, ABalloonClickOpensTheReadingWindowOnTodayOrShowsTodayInTheOpenOne) {
  PlayClock(10, "10:30:00");
  ASSERT_TRUE(Start());
  m_program.Tray(NIN_BALLOONUSERCLICK);
  ASSERT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; }));
  EXPECT_TRUE(Shows(10)) << ShownDay();

  HWND reading = m_program.ReadingWindow();
  ClickDayButton(IDC_PREV_DAY);
  ASSERT_TRUE(Shows(9)) << ShownDay();
  CoverWindow cover;
  ASSERT_TRUE(cover.Covers(reading));
  m_program.Tray(NIN_BALLOONUSERCLICK);
  EXPECT_TRUE(WaitUntil([&] { return IsAbove(reading, cover.Get()); })) << "the reading window comes to the top";
  EXPECT_TRUE(Shows(10)) << ShownDay();
  ASSERT_TRUE(m_program.Roundtrip());
  EXPECT_EQ(m_program.Dialogs().size(), 1u) << "no second reading window";
}

TEST_F(ReminderProgram, TheTrayCatchUpItemShowsTheEarliestUnreadDayInANewOrTheOpenReadingWindow) {
  MakeDiaryWithMarks(m_folder.Dir() + "memo.mdb", m_year, {8, 10});
  PlayClock(10, "10:30:00");
  ASSERT_TRUE(Start());
  m_program.Tray(WM_RBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([this] { return m_program.Menu() != nullptr; }));
  ::PostMessageW(m_frame, WM_CHAR, 'u', 1);
  ASSERT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; }));
  EXPECT_TRUE(Shows(9)) << ShownDay();

  ClickDayButton(IDC_NEXT_DAY);
  ASSERT_TRUE(Shows(10)) << ShownDay();
  m_program.Command(ID_CATCH_UP);
  EXPECT_TRUE(Shows(9)) << ShownDay();
  ASSERT_TRUE(m_program.Roundtrip());
  EXPECT_EQ(m_program.Dialogs().size(), 1u) << "no second reading window, no message";
}

TEST_F(ReminderProgram, ABalloonShownWhileTheSettingsWindowIsOpenStaysShownWhenTheWindowIsConfirmed) {
  WriteSettings("reminder=on\nreminderTime=10:00\n");
  PlayClock(10, "10:30:00");
  ASSERT_TRUE(Start());
  ASSERT_EQ(Balloons().size(), 1u);
  m_program.Command(ID_SETTINGS);
  HWND settings = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND dialog : m_program.Dialogs())
      if (TitleOf(dialog) == "설정") settings = dialog;
    return settings != nullptr;
  }));
  ShellSays(NIN_BALLOONSHOW);
  ::PostMessageW(settings, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([this] { return m_program.Dialogs().empty(); }));
  ASSERT_TRUE(m_program.Roundtrip());
  EXPECT_TRUE(KeptAsShown(10)) << "the window's older copy of the settings does not undo it";
}

TEST_F(ReminderProgram, WhileTheSessionIsLockedNoBalloonAndAtTheUnlockItComes) {
  WriteSettings("reminder=on\nreminderTime=10:00\n");
  TestFiles::Write(m_folder.Dir() + "notifications.txt", "1");
  PlayClock(10, "10:30:00");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Balloons().empty());
  TestFiles::Write(m_folder.Dir() + "notifications.txt", "5");
  Send(WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK);
  EXPECT_EQ(Balloons().size(), 1u);
}

TEST_F(ReminderProgram, SettingsThatCannotBeStoredAreToldOnceAndTheBalloonStillComesOnceADay) {
  WriteSettings("reminder=on\nreminderTime=10:00\n");
  // A folder, not empty, in the way of the file being built fails the write as a read-only folder does.
  ASSERT_TRUE(::CreateDirectoryW(Widen(m_folder.Dir() + "Vesperal.ini.new").c_str(), nullptr));
  TestFiles::Write(m_folder.Dir() + "Vesperal.ini.new\\keep", "");
  PlayClock(10, "10:30:00");
  ASSERT_TRUE(Start());
  EXPECT_EQ(Balloons().size(), 1u);
  m_program.Tray(NIN_BALLOONSHOW);
  ASSERT_TRUE(WaitUntil([this] { return !m_program.Dialogs().empty(); }));
  HWND box = m_program.Dialogs().front();
  EXPECT_EQ(TitleOf(box), kAppTitle);
  const std::string text = TitleOf(::GetDlgItem(box, 0xFFFF));
  EXPECT_EQ(text.rfind("설정을 저장할 수 없습니다. " + m_folder.Dir() + " 폴더에 쓸 수 없습니다.", 0), 0u) << text;
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([this] { return m_program.Dialogs().empty(); }));

  // The day is kept in memory: no second balloon today; tomorrow's comes, and nothing is told again.
  Send(WM_TIMECHANGE);
  EXPECT_EQ(Balloons().size(), 1u);
  PlayClock(11, "10:30:00");
  ::PostMessageW(m_frame, WM_TIMECHANGE, 0, 0);
  ASSERT_TRUE(WaitUntil([this] { return Balloons().size() == 2u; }));
  ShellSays(NIN_BALLOONSHOW);  // a message box would hold it unanswered
  EXPECT_TRUE(m_program.Dialogs().empty());
}

}  // namespace

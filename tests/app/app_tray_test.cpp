// The tray side of the real program: the mouse messages over its icon, the tray menu and its commands, F1
// in the reading window, the taskbar's restart and the end of the session.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "ProgramRun.h"
#include "app/MainFrame.h"

namespace {

std::string HandleText(HWND window) { return std::to_string(reinterpret_cast<uintptr_t>(window)); }

class TrayProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.Ready());
    ASSERT_TRUE(m_program.Start(m_folder, "smode"));
    ASSERT_TRUE(m_program.WaitUntilIdle(m_folder));
    m_frame = m_program.MainFrame();
  }
  void TearDown() override {
    if (!m_program.IsRunning()) return;
    if (m_program.Menu()) ::PostMessageW(m_frame, WM_KEYDOWN, VK_ESCAPE, 0);
    if (m_program.ReadingWindow()) m_program.CloseReading();
    EXPECT_EQ(m_program.Exit(), 0);
  }

  // Opens the tray menu with a right press and picks an item by its underlined letter.
  bool ChooseFromMenu(char letter) {
    m_program.Tray(WM_RBUTTONDOWN);
    if (!WaitUntil([this] { return m_program.Menu() != nullptr; })) return false;
    ::PostMessageW(m_frame, WM_CHAR, static_cast<WPARAM>(letter), 1);
    return WaitUntil([this] { return m_program.Menu() == nullptr; });
  }
  // Makes the program change its current directory, as a save dialog does when another folder is chosen.
  void ChangeProgramsCurrentDirectory(const std::string& dir) {
    TestFiles::Write(m_folder.Dir() + "chdir.txt", dir);
    ::PostMessageW(m_frame, ::RegisterWindowMessageW(L"VesperalTestChangeDirectory"), 0, 0);
    ASSERT_TRUE(m_program.Roundtrip());
  }
  // The folder as the system gives a current directory: no separator at the end.
  static std::string WithoutSeparator(const std::string& dir) { return dir.substr(0, dir.size() - 1); }

  ProgramFolder m_folder;
  ProgramProcess m_program;
  HWND m_frame = nullptr;
};

}  // namespace

TEST_F(TrayProgram, RightPressOpensTheMenuWithItsBottomLeftCornerAtTheCursor) {
  ::SetCursorPos(300, 400);
  m_program.Tray(WM_RBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([this] { return m_program.Menu() != nullptr; }));
  RECT menu;
  ::GetWindowRect(m_program.Menu(), &menu);
  EXPECT_EQ(menu.left, 300);
  EXPECT_EQ(menu.bottom, 400);
  ::PostMessageW(m_frame, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([this] { return m_program.Menu() == nullptr; }));
  // Releasing the button does not open it again.
  m_program.Tray(WM_RBUTTONUP);
  ASSERT_TRUE(m_program.Roundtrip());
  EXPECT_EQ(m_program.Menu(), nullptr);
}

TEST_F(TrayProgram, LeftPressOnlyBringsTheProgramForward) {
  CoverWindow cover;
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == cover.Get(); }));
  m_program.Tray(WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([this] { return ::GetForegroundWindow() == m_frame; }));
  ASSERT_TRUE(m_program.Roundtrip());
  EXPECT_EQ(m_program.Menu(), nullptr);
  EXPECT_EQ(m_program.ReadingWindow(), nullptr);
}

TEST_F(TrayProgram, OtherMouseMessagesOpenNothing) {
  for (LPARAM mouse : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN}) {
    SCOPED_TRACE(mouse);
    m_program.Tray(mouse);
    ASSERT_TRUE(m_program.Roundtrip());
    EXPECT_EQ(m_program.Menu(), nullptr);
    EXPECT_EQ(m_program.ReadingWindow(), nullptr);
  }
  EXPECT_TRUE(m_folder.Calls("sound").empty());
}

TEST_F(TrayProgram, DoubleClickOpensTheReadingWindowAndASecondOnlyRaisesIt) {
  m_program.Tray(WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; }));
  HWND reading = m_program.ReadingWindow();
  EXPECT_EQ(::GetWindow(reading, GW_OWNER), m_frame) << "owned by the frame: no taskbar button of its own";
  EXPECT_EQ(m_folder.Calls("sound").size(), 1u);

  for (LPARAM mouse : {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
    SCOPED_TRACE(mouse);
    CoverWindow cover;
    ASSERT_TRUE(cover.Covers(reading));
    m_program.Tray(mouse);
    EXPECT_TRUE(WaitUntil([&] { return IsAbove(reading, cover.Get()); })) << "the reading window comes to the top";
    ASSERT_TRUE(m_program.Roundtrip());
    EXPECT_EQ(m_program.Dialogs().size(), 1u) << "no second reading window";
    EXPECT_EQ(m_program.Menu(), nullptr) << "no menu while the reading window runs";
  }
  EXPECT_EQ(m_folder.Calls("sound").size(), 1u);
  ASSERT_TRUE(m_program.CloseReading());
  // Back in the tray, the menu opens again.
  ASSERT_TRUE(ChooseFromMenu('o'));
  EXPECT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; }));
}

TEST_F(TrayProgram, HelpAndHomepageUseTheProgramFolderWhateverTheCurrentDirectory) {
  const std::string subDir = m_folder.Dir() + "later";
  ASSERT_TRUE(::CreateDirectoryW(Widen(subDir).c_str(), nullptr));
  const std::string currentDirs[] = {WithoutSeparator(m_folder.Dir()), subDir};
  size_t count = 0;
  for (const std::string& currentDir : currentDirs) {
    ++count;
    SCOPED_TRACE(currentDir);
    if (currentDir == subDir) ChangeProgramsCurrentDirectory(subDir);
    // The chosen item is posted to the frame, so its call is waited for.
    ASSERT_TRUE(ChooseFromMenu('h'));
    ASSERT_TRUE(WaitUntil([&] { return m_folder.Calls("help").size() == count; }));
    ASSERT_TRUE(ChooseFromMenu('c'));
    ASSERT_TRUE(WaitUntil([&] { return m_folder.Calls("browser").size() == count; }));
    const auto help = m_folder.Calls("help");
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help.back(),
              (std::vector<std::string>{"help", HandleText(m_frame), m_folder.Dir() + "psaltery.hlp", "1", "98393"}));
    const auto browser = m_folder.Calls("browser");
    ASSERT_FALSE(browser.empty());
    EXPECT_EQ(browser.back(), (std::vector<std::string>{"browser", "0", "open", kHomepageAddress, "",
                                                        WithoutSeparator(m_folder.Dir()), "1"}));
  }
  EXPECT_EQ(m_folder.Calls("help").size(), 2u);
  EXPECT_EQ(m_folder.Calls("browser").size(), 2u);
}

TEST_F(TrayProgram, HelpOpensThePageInTheBrowserOnlyWhereTheSystemHasNoWinHelpViewer) {
  const std::string page = m_folder.Dir() + "psaltery.html";
  const std::vector<std::string> winHelp{"help", HandleText(m_frame), m_folder.Dir() + "psaltery.hlp", "1", "98393"};
  const std::vector<std::string> browser{
      "browser", HandleText(m_frame), "open", page, "(null)", WithoutSeparator(m_folder.Dir()), "1"};
  struct Case {
    const char* viewer;  // what the played system's probe answers
    bool pageThere;
    const std::vector<std::string>& call;
  } const cases[] = {
      {"none", true, browser},     // Windows 10: the page, at its top, the contents
      {"none", false, winHelp},    // no page either: the call of old, and whatever the system says to it
      {"present", true, winHelp},  // a viewer: the help file as always
  };
  size_t count = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.viewer) + (c.pageThere ? " with the page" : " without the page"));
    TestFiles::Write(m_folder.Dir() + "helpviewer.txt", c.viewer);
    if (c.pageThere) {
      TestFiles::Write(page, "<!DOCTYPE html>");
    } else {
      ::DeleteFileW(Widen(page).c_str());
    }
    ASSERT_TRUE(ChooseFromMenu('h'));
    ++count;
    ASSERT_TRUE(WaitUntil([&] { return m_folder.Calls("help").size() + m_folder.Calls("browser").size() == count; }));
    const auto calls = m_folder.Calls();
    const auto last = std::find_if(calls.rbegin(), calls.rend(), [](const std::vector<std::string>& call) {
      return call[0] == "help" || call[0] == "browser";
    });
    ASSERT_NE(last, calls.rend());
    EXPECT_EQ(*last, c.call);
  }
}

TEST_F(TrayProgram, ExitItemRemovesTheIconAndEndsTheProgram) {
  ASSERT_TRUE(WaitUntil([] { return TrayIconCount() == 1; }));
  ASSERT_TRUE(ChooseFromMenu('e'));
  EXPECT_EQ(m_program.ExitCode(), 0);
  EXPECT_EQ(TrayIconCount(), 0);
  const auto notify = m_folder.Calls("notify");
  ASSERT_EQ(notify.size(), 2u);
  EXPECT_EQ(notify[1][1], "2") << "removed";
}

TEST_F(TrayProgram, F1InTheReadingWindowOpensTheProgramFoldersHelpAfterAChangeOfCurrentDirectory) {
  const std::string exportDir = m_folder.Dir() + "export";
  ASSERT_TRUE(::CreateDirectoryW(Widen(exportDir).c_str(), nullptr));
  m_program.Tray(WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; }));
  ChangeProgramsCurrentDirectory(exportDir);
  ::PostMessageW(m_program.ReadingWindow(), WM_KEYDOWN, VK_F1, 1);
  ASSERT_TRUE(WaitUntil([this] { return !m_folder.Calls("help").empty(); }));
  EXPECT_EQ(m_folder.Calls("help")[0],
            (std::vector<std::string>{"help", HandleText(m_frame), m_folder.Dir() + "psaltery.hlp", "1", "98393"}));
  EXPECT_NE(m_program.ReadingWindow(), nullptr) << "the reading window stays open";
}

TEST_F(TrayProgram, RestartedTaskbarGetsTheIconAgain) {
  ASSERT_TRUE(WaitUntil([] { return TrayIconCount() == 1; }));
  // The taskbar forgets the icon, as a restarted one has never known it.
  NOTIFYICONDATAW forget{};
  forget.cbSize = kTrayRecordSize;
  forget.hWnd = m_frame;
  forget.uID = kTrayIconId;
  ::Shell_NotifyIconW(NIM_DELETE, &forget);
  ASSERT_TRUE(WaitUntil([] { return TrayIconCount() == 0; }));
  DWORD_PTR ignored;
  ::SendMessageTimeoutW(m_frame, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL, 10000, &ignored);
  EXPECT_TRUE(WaitUntil([] { return TrayIconCount() == 1; }));
  const auto notify = m_folder.Calls("notify");
  ASSERT_EQ(notify.size(), 2u);
  EXPECT_EQ(notify[1][1], "0") << "added again";
  EXPECT_EQ(notify[1][8], kAppTitle);
}

TEST_F(TrayProgram, EndOfSessionClosesTheReadingWindowRemovesTheIconAndEnds) {
  m_program.Tray(WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; }));
  HWND reading = m_program.ReadingWindow();
  DWORD_PTR answer = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(m_frame, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer));
  EXPECT_EQ(answer, TRUE) << "the program lets the session end";
  ASSERT_TRUE(::SendMessageTimeoutW(m_frame, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &answer));
  // When the session's end returns, the program may be ended at once: by then the reading window is gone and
  // its diary database closed, so the file can be taken away while the program still exits.
  EXPECT_FALSE(::IsWindow(reading));
  EXPECT_TRUE(::DeleteFileW(Widen(m_folder.Dir() + "memo.mdb").c_str())) << ::GetLastError();
  EXPECT_EQ(TrayIconCount(), 0);
  EXPECT_EQ(m_program.ExitCode(), 0);
}

// A program folder whose name code page 949 cannot spell (Cyrillic, an emoji, a CJK Extension A Hanja): the
// program finds its plan there (the reading window opens with no message), makes memo.mdb there, and hands
// the folder whole to help and the browser.
TEST(ProgramFolderName, OutsideTheAnsiCodePageWorksAsAnyOther) {
  ProgramFolder folder("VesperalRecording.exe", "Москва \xF0\x9F\x98\x80 \xE3\x90\x80");
  ASSERT_TRUE(folder.Ready());
  ProgramProcess program;
  ASSERT_TRUE(program.Start(folder, ""));
  ASSERT_TRUE(program.WaitUntilIdle(folder));
  ASSERT_NE(program.ReadingWindow(), nullptr);
  EXPECT_EQ(program.Dialogs().size(), 1u) << "no message beside the reading window";
  EXPECT_TRUE(TestFiles::Exists(folder.Dir() + "memo.mdb"));
  // From the program folder, whatever the current directory; SND_FILENAME | SND_ASYNC.
  EXPECT_EQ(folder.Calls("sound"),
            (std::vector<std::vector<std::string>>{{"sound", folder.Dir() + "Vesperal.wav", "0", "131073"}}));

  HWND frame = program.MainFrame();
  program.Command(ID_HELP_OPEN);
  program.Command(ID_HOMEPAGE_OPEN);
  ASSERT_TRUE(WaitUntil([&] { return !folder.Calls("help").empty() && !folder.Calls("browser").empty(); }));
  EXPECT_EQ(folder.Calls("help")[0],
            (std::vector<std::string>{"help", HandleText(frame), folder.Dir() + "psaltery.hlp", "1", "98393"}));
  EXPECT_EQ(folder.Calls("browser")[0][5], folder.Dir().substr(0, folder.Dir().size() - 1));
  ASSERT_TRUE(program.CloseReading());
  EXPECT_EQ(program.Exit(), 0);
}

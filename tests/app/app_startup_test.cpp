// Start-up and shut-down of the real program: command lines, the one-instance rule with its wake-up, the
// missing icon, the exit command and the tray record's size.
#include <gtest/gtest.h>

#include <cstddef>

#include "ProgramRun.h"
#include "app/TrayIcon.h"

TEST(TrayRecord, HasTheFirstPublishedLayoutsSizeOfThisArchitecture) {
#if defined(__i386__)
  EXPECT_EQ(kTrayRecordSize, 152u);
#elif defined(__x86_64__)
  // The same fields with 8-byte window and icon handles and their padding.
  EXPECT_EQ(kTrayRecordSize, 168u);
#endif
  // The wide record, with its tip of 64 UTF-16 units.
  EXPECT_EQ(kTrayRecordSize, offsetof(NOTIFYICONDATAW, szTip) + 64 * sizeof(WCHAR));
}

struct StartCase {
  const char* afterName;  // the command line after the quoted program name, exactly
  bool readingOpens;
};

class CommandLineStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(CommandLineStart, OpensTheReadingWindowUnlessTrayOnly) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Ready());
  ProgramProcess program;
  ASSERT_TRUE(program.StartRaw(folder, GetParam().afterName));
  ASSERT_TRUE(program.WaitUntilIdle(folder));
  EXPECT_EQ(program.ReadingWindow() != nullptr, GetParam().readingOpens);
  EXPECT_EQ(folder.Calls("sound").size(), GetParam().readingOpens ? 1u : 0u);
  if (GetParam().readingOpens) {
    ASSERT_TRUE(program.CloseReading());
  }
  EXPECT_FALSE(::IsWindowVisible(program.MainFrame()));
  EXPECT_EQ(program.Exit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineStart,
                         ::testing::Values(StartCase{" smode", false}, StartCase{" SMode", false},
                                           StartCase{"   smode", false}, StartCase{" smode ", true},
                                           StartCase{" /smode", true}, StartCase{" -smode", true},
                                           StartCase{" smode x", true}, StartCase{"", true}));

// A window of the test's own, titled as given, that counts the wake-up messages it gets.
class TitledWindow {
 public:
  explicit TitledWindow(const std::string& title) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TitledWindow::Proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VesperalTestTitled";
    ::RegisterClassW(&windowClass);
    m_hWnd = ::CreateWindowExW(0, L"VesperalTestTitled", Widen(title).c_str(), WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~TitledWindow() { ::DestroyWindow(m_hWnd); }
  TitledWindow(const TitledWindow&) = delete;
  TitledWindow& operator=(const TitledWindow&) = delete;

  std::vector<std::pair<WPARAM, LPARAM>> m_wakeUps;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TitledWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_TRAYNOTIFY) self->m_wakeUps.emplace_back(wParam, lParam);
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  HWND m_hWnd;
};

class SecondStart : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_folder.Ready()); }
  // Starts a second program, closing whatever reading window the wake-up opens in the first, until the
  // second ends; returns its exit code.
  long StartSecond(ProgramProcess& first) {
    ProgramProcess second;
    if (!second.Start(m_folder, "")) return -1;
    WaitUntil([&] {
      if (!first.ReadingWindow()) return !second.IsRunning();
      m_bSecondShowedNothing =
          m_bSecondShowedNothing && WindowsOf(second.Id(), "#32770", false).empty() && second.MainFrame() == nullptr;
      m_nReadingOpened++;
      first.CloseReading();
      return false;
    });
    return second.ExitCode();
  }

  ProgramFolder m_folder;
  bool m_bSecondShowedNothing = true;
  int m_nReadingOpened = 0;
};

TEST_F(SecondStart, OpensTheReadingWindowOfTheFirstWhenNoneIsOpenAndEndsWithZero) {
  ProgramProcess first;
  ASSERT_TRUE(first.Start(m_folder, "smode"));
  ASSERT_TRUE(first.WaitUntilIdle(m_folder));
  ASSERT_EQ(first.ReadingWindow(), nullptr);
  EXPECT_EQ(StartSecond(first), 0);
  EXPECT_EQ(m_nReadingOpened, 1);
  EXPECT_TRUE(m_bSecondShowedNothing);
  EXPECT_EQ(m_folder.Calls("notify").size(), 1u) << "only the first adds a tray icon";
  EXPECT_EQ(first.Exit(), 0);
}

TEST_F(SecondStart, BringsTheOpenReadingWindowToTheTop) {
  ProgramProcess first;
  ASSERT_TRUE(first.Start(m_folder, ""));
  ASSERT_TRUE(first.WaitUntilIdle(m_folder));
  HWND reading = first.ReadingWindow();
  ASSERT_NE(reading, nullptr);
  CoverWindow cover;
  ASSERT_TRUE(cover.Covers(reading));

  ProgramProcess second;
  ASSERT_TRUE(second.Start(m_folder, ""));
  EXPECT_EQ(second.ExitCode(), 0);
  EXPECT_TRUE(WaitUntil([&] { return IsAbove(reading, cover.Get()); }));
  EXPECT_EQ(first.Dialogs().size(), 1u) << "no second reading window";
  ASSERT_TRUE(first.CloseReading());
  EXPECT_EQ(first.Exit(), 0);
}

TEST_F(SecondStart, WakesEveryWindowTitledExactlyAsTheProgram) {
  ProgramProcess first;
  ASSERT_TRUE(first.Start(m_folder, "smode"));
  ASSERT_TRUE(first.WaitUntilIdle(m_folder));
  TitledWindow exact(kAppTitle);
  TitledWindow longer(std::string(kAppTitle) + " - 2026");
  EXPECT_EQ(StartSecond(first), 0);
  ASSERT_EQ(exact.m_wakeUps.size(), 1u);
  EXPECT_EQ(exact.m_wakeUps[0].first, 0u);
  EXPECT_EQ(exact.m_wakeUps[0].second, 515);
  EXPECT_TRUE(longer.m_wakeUps.empty());
  EXPECT_EQ(first.Exit(), 0);
}

TEST_F(SecondStart, OfTwoStartedAtOnceExactlyOneStays) {
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    ProgramProcess a, b;
    ASSERT_TRUE(a.Start(m_folder, "smode"));
    ASSERT_TRUE(b.Start(m_folder, "smode"));
    // The one that ends may have woken the other, whose reading window must then be closed.
    ASSERT_TRUE(WaitUntil([&] {
      for (ProgramProcess* p : {&a, &b})
        if (p->ReadingWindow()) p->CloseReading();
      return !a.IsRunning() || !b.IsRunning();
    }));
    ProgramProcess& stayed = a.IsRunning() ? a : b;
    ProgramProcess& ended = a.IsRunning() ? b : a;
    EXPECT_EQ(ended.ExitCode(), 0);
    ASSERT_TRUE(stayed.WaitUntilIdle(m_folder));
    ::Sleep(100);
    EXPECT_TRUE(stayed.IsRunning());
    EXPECT_EQ(stayed.Exit(), 0);
  }
  EXPECT_EQ(m_folder.Calls("notify").size(), 8u) << "one icon added and removed a round";
}

TEST(Exit, RemovesTheIconEndsWithZeroAndFreesTheInstanceMark) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Ready());
  HWND frame;
  {
    ProgramProcess program;
    ASSERT_TRUE(program.Start(folder, "smode"));
    ASSERT_TRUE(program.WaitUntilIdle(folder));
    frame = program.MainFrame();
    EXPECT_TRUE(WaitUntil([] { return TrayIconCount() == 1; })) << "the icon shows in the tray";
    EXPECT_EQ(program.Exit(), 0);
    EXPECT_EQ(TrayIconCount(), 0) << "the icon left the tray before the program ended";
  }
  const auto notify = folder.Calls("notify");
  ASSERT_EQ(notify.size(), 2u);
  // message, cbSize, window, id, flags, callback message, icon's width, tip: the tray shows the small icon.
  const std::string frameText = std::to_string(reinterpret_cast<uintptr_t>(frame));
  const std::string size = std::to_string(kTrayRecordSize);
  const std::string small = std::to_string(::GetSystemMetrics(SM_CXSMICON));
  const std::string large = std::to_string(::GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(notify[0],
            (std::vector<std::string>{"notify", "0", size, frameText, "128", "7", "1046", small, kAppTitle}));
  EXPECT_EQ(notify[1], (std::vector<std::string>{"notify", "2", size, frameText, "128", "2", "0", large, ""}));

  ProgramProcess again;
  ASSERT_TRUE(again.Start(folder, "smode"));
  ASSERT_TRUE(WaitUntil([&] { return folder.Calls("notify").size() == 3; }));
  EXPECT_TRUE(again.IsRunning()) << "a first instance again";
  EXPECT_EQ(again.Exit(), 0);
}

TEST(MissingIcon, ShowsTheMessageAddsNoIconAndEnds) {
  ProgramFolder folder("VesperalNoIcon.exe");
  ASSERT_TRUE(folder.Ready());
  ProgramProcess program;
  ASSERT_TRUE(program.Start(folder, ""));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    auto dialogs = program.Dialogs();
    box = dialogs.empty() ? nullptr : dialogs.front();
    return box != nullptr;
  }));
  EXPECT_EQ(TitleOf(box), kAppTitle);
  EXPECT_EQ(WindowTextUtf8(::GetDlgItem(box, 0xFFFF)), "아이콘이 없습니다");
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_NE(program.ExitCode(), -1);
  EXPECT_TRUE(folder.Calls("notify").empty());
  EXPECT_TRUE(folder.Calls("sound").empty()) << "no reading window";
}

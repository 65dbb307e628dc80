// The settings window "설정": it shows the settings it is given, the time can be chosen only while the
// reminder is on, the first tick shows the tray icon's line, and it gives back what the user left; the day of
// the last balloon passes through. In the
// real program, from the tray menu: the choice is stored in Vesperal.ini and read again at the next start,
// a damaged file shows the defaults, and a folder that cannot be written is told once.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "ProgramRun.h"
#include "app/SettingsDlg.h"
#include "base/ProgramFiles.h"
#include "app/TrayRules.h"
#include "core/HabitPrinters.h"
#include "core/TestFiles.h"
#include "res/Resource.h"
#include "habit/SettingsFile.h"
#include "win/PickerTime.h"
#include "win/ImmutableFile.h"
#include "ui/WindowText.h"

namespace {

class SettingsWindow {
 public:
  explicit SettingsWindow(const HabitSettings& settings) : m_dialog(nullptr, settings, nullptr) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_dialog.Create();
  }
  HWND Hwnd() const { return m_dialog.GetSafeHwnd(); }
  HWND Item(int id) const { return ::GetDlgItem(Hwnd(), id); }
  bool Checked() const { return ::SendMessageW(Item(IDC_REMINDER_ON), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool TimeEnabled() const { return ::IsWindowEnabled(Item(IDC_REMINDER_TIME)) != FALSE; }
  ReminderTime Time() const {
    const SYSTEMTIME shown = GetPickerTime(Item(IDC_REMINDER_TIME));
    return ReminderTime{shown.wHour, shown.wMinute};
  }
  void Click() const { ::SendMessageW(Item(IDC_REMINDER_ON), BM_CLICK, 0, 0); }
  void ChooseTime(int hour, int minute) const {
    SetPickerTime(Item(IDC_REMINDER_TIME), MakeLocalTime(2026, 3, 7, hour, minute));
  }
  // The confirm button, as a press gives it; the window goes and keeps the choice.
  HabitSettings Confirm() {
    ::SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDOK)));
    return m_dialog.Settings();
  }

 private:
  CSettingsDlg m_dialog;
};

HabitSettings Settings(bool on, int hour, int minute, std::optional<CalendarDay> lastBalloon = CalendarDay{2026, 12, 1},
                       bool trayTipShown = false) {
  HabitSettings settings;
  settings.reminderOn = on;
  settings.reminderTime = ReminderTime{hour, minute};
  settings.lastBalloonDay = lastBalloon;
  settings.trayTipShown = trayTipShown;
  return settings;
}

constexpr CalendarDay kDay{2026, 12, 1};

}  // namespace

TEST(SettingsWindowTest, ShowsTheSettingsAndGivesBackTheChoice) {
  const struct {
    const char* name;
    HabitSettings given;
    bool click;
    int hour, minute;  // chosen in the picker, or -1
    HabitSettings expected;
  } rows[] = {
      {"the defaults, unchanged", HabitSettings{}, false, -1, 0, HabitSettings{}},
      {"on at 21:45, unchanged", Settings(true, 21, 45), false, -1, 0, Settings(true, 21, 45)},
      {"turned on at a new time, the first time: the tray icon's line", Settings(false, 7, 0), true, 6, 5,
       Settings(true, 6, 5, kDay, true)},
      {"turned off keeps the time", Settings(true, 23, 59), true, -1, 0, Settings(false, 23, 59)},
      {"midnight", Settings(true, 7, 0), false, 0, 0, Settings(true, 0, 0)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SettingsWindow window(row.given);
    ASSERT_NE(window.Hwnd(), nullptr);
    EXPECT_EQ(window.Checked(), row.given.reminderOn);
    EXPECT_EQ(window.TimeEnabled(), row.given.reminderOn);
    EXPECT_EQ(window.Time(), row.given.reminderTime);
    if (row.click) {
      window.Click();
      EXPECT_EQ(window.TimeEnabled(), !row.given.reminderOn);
    }
    const bool tipShown = (::GetWindowLongW(window.Item(IDC_TRAY_TIP), GWL_STYLE) & WS_VISIBLE) != 0;
    EXPECT_EQ(tipShown, row.expected.trayTipShown);
    if (row.hour >= 0) window.ChooseTime(row.hour, row.minute);
    const HabitSettings chosen = window.Confirm();
    EXPECT_EQ(chosen, row.expected);
  }
}

TEST(SettingsWindowTest, TheTextSizeListShowsTheKeptSizeAndAConfirmedChoiceIsKept) {
  const struct {
    std::string file;
    const char* shown;
    const wchar_t* choose;
    UINT button;
    int kept;
  } rows[] = {{"", u8"9pt (기본)", nullptr, IDOK, 9},  // no file, and none written
              {"reminder=on\ntextSize=14\n", "14pt", L"24pt", IDOK, 24},
              {"textSize=12\n", "12pt", L"20pt", IDCANCEL, 12}};
  for (const auto& row : rows) {
    TestFiles files;
    if (!row.file.empty()) TestFiles::Write(SettingsFilePath(files.ProgramDir()), row.file);
    CSettingsDlg dialog(nullptr, HabitSettings{}, nullptr, files.ProgramDir());
    ASSERT_TRUE(dialog.Create());
    const HWND list = ::GetDlgItem(dialog.GetSafeHwnd(), IDC_TEXT_SIZE);
    EXPECT_EQ(::SendMessageW(list, CB_GETCOUNT, 0, 0), 10);
    EXPECT_EQ(WindowTextUtf8(list), row.shown);
    if (row.choose)
      ::SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row.choose));
    ::SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, row.button, 0);
    const SettingsReading kept = ReadSettingsFile(files.ProgramDir());
    EXPECT_EQ(kept.textSize, row.kept) << row.file;
    EXPECT_EQ(kept.fileFound, !row.file.empty()) << row.file;
    EXPECT_EQ(kept.settings.reminderOn, row.file.rfind("reminder=on", 0) == 0) << "the other lines stay";
  }
}

namespace {

class SettingsProgram : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_folder.Ready()); }
  void TearDown() override {
    if (!m_program.IsRunning()) return;
    if (HWND window = SettingsWindowShown()) ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(m_program.Exit(), 0);
  }

  bool Start() {
    if (!m_program.Start(m_folder, "smode") || !m_program.WaitUntilIdle(m_folder)) return false;
    m_frame = m_program.MainFrame();
    return true;
  }
  HWND SettingsWindowShown() const {
    for (HWND dialog : m_program.Dialogs())
      if (TitleOf(dialog) == "설정") return dialog;
    return nullptr;
  }
  // Opens the window from the tray menu by its underlined letter.
  HWND OpenSettings() const {
    m_program.Tray(WM_RBUTTONDOWN);
    if (!WaitUntil([this] { return m_program.Menu() != nullptr; })) return nullptr;
    ::PostMessageW(m_frame, WM_CHAR, 'S', 1);
    HWND window = nullptr;
    WaitUntil([&] { return (window = SettingsWindowShown()) != nullptr; });
    return window;
  }
  static bool Checked(HWND window) {
    return ::SendMessageW(::GetDlgItem(window, IDC_REMINDER_ON), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  static bool TimeEnabled(HWND window) { return ::IsWindowEnabled(::GetDlgItem(window, IDC_REMINDER_TIME)) != FALSE; }
  bool Confirm(HWND window) const {
    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
    // The choice is stored after the window has gone, before the frame answers again.
    return WaitUntil([this] { return SettingsWindowShown() == nullptr; }) && m_program.Roundtrip();
  }
  std::string SettingsText() const { return TestFiles::Read(SettingsFilePath(m_folder.Dir())); }
  HabitSettings StoredSettings() const { return ParseSettingsText(SettingsText()).settings; }
  // The message boxes the program shows now.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (HWND dialog : m_program.Dialogs())
      if (TitleOf(dialog) == kAppTitle) texts.push_back(TitleOf(::GetDlgItem(dialog, 0xFFFF)));
    return texts;
  }

  ProgramFolder m_folder;
  ProgramProcess m_program;
  HWND m_frame = nullptr;
};

}  // namespace

TEST_F(SettingsProgram, TheChoiceIsStoredAndShownAgainAfterARestart) {
  ASSERT_TRUE(Start());
  HWND window = OpenSettings();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(Checked(window)) << "off until the user turns it on";
  EXPECT_FALSE(TimeEnabled(window));
  ::SendMessageW(::GetDlgItem(window, IDC_REMINDER_ON), BM_CLICK, 0, 0);
  EXPECT_TRUE(TimeEnabled(window));
  EXPECT_EQ(WindowTextUtf8(::GetDlgItem(window, IDC_TRAY_TIP)),
            u8"알림 아이콘이 ^ 안에 숨으면 작업 표시줄로 끌어 내 두십시오.");
  // A click on the hour field chooses it; "08" typed there.
  HWND picker = ::GetDlgItem(window, IDC_REMINDER_TIME);
  RECT field;
  ::GetClientRect(picker, &field);
  const LPARAM hour = MAKELPARAM(5, field.bottom / 2);
  ::PostMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, hour);
  ::PostMessageW(picker, WM_LBUTTONUP, 0, hour);
  for (char digit : {'0', '8'}) ::PostMessageW(picker, WM_CHAR, static_cast<WPARAM>(digit), 1);
  ASSERT_TRUE(m_program.Roundtrip());
  ASSERT_TRUE(Confirm(window));
  const HabitSettings chosen = Settings(true, 8, 0, std::nullopt, true);
  EXPECT_EQ(StoredSettings(), chosen);

  EXPECT_EQ(m_program.Exit(), 0);
  ASSERT_TRUE(Start());
  window = OpenSettings();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(Checked(window));
  EXPECT_TRUE(TimeEnabled(window));
  ASSERT_TRUE(Confirm(window));
  EXPECT_EQ(StoredSettings(), chosen) << "the window showed 08:00";
}

TEST_F(SettingsProgram, TheReadingWindowOpensOnlyOnceTheSettingsWindowIsClosed) {
  ASSERT_TRUE(Start());
  HWND window = OpenSettings();
  ASSERT_NE(window, nullptr);
  // It opens in the middle of the work area of the monitor under the pointer, as a message box does.
  RECT place, work;
  ::GetWindowRect(window, &place);
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((place.left + place.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((place.top + place.bottom) / 2, (work.top + work.bottom) / 2, 1);
  const HWND note = ::GetDlgItem(window, IDC_SETTINGS_NOTE);
  EXPECT_FALSE(::IsWindowVisible(note));
  m_program.Tray(kTrayLeftDoubleClick);
  // The window says why nothing else opened. (A message sent after a posted one may be answered first: the
  // note tells when the tray's message has been handled.)
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(note) != FALSE; }));
  ASSERT_TRUE(m_program.Roundtrip());
  EXPECT_EQ(m_program.ReadingWindow(), nullptr);
  EXPECT_EQ(SettingsWindowShown(), window);
  EXPECT_EQ(WindowTextUtf8(note), u8"설정 창을 닫으면 읽기 창을 열 수 있습니다.");
  ASSERT_TRUE(Confirm(window));
  m_program.Tray(kTrayLeftDoubleClick);
  ASSERT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; }));
  EXPECT_TRUE(m_program.CloseReading());
}

TEST_F(SettingsProgram, ADamagedFileShowsTheDefaultsAndIsWrittenWholeAgain) {
  TestFiles::Write(SettingsFilePath(m_folder.Dir()), "reminder=perhaps\nreminderTime=25:61\n\xFF\xFE\x01\n");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(m_program.Dialogs().empty()) << "nothing to tell at the start";
  HWND window = OpenSettings();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(Checked(window));
  ASSERT_TRUE(Confirm(window));
  const SettingsReading reading = ParseSettingsText(SettingsText());
  EXPECT_EQ(reading.damagedLines, 0);
  EXPECT_EQ(reading.settings, HabitSettings{});
}

TEST_F(SettingsProgram, AFolderThatCannotBeWrittenIsToldOnceAndTheChoiceLastsTheRun) {
  const std::string stored = "reminder=off\nreminderTime=07:00\n";
  TestFiles::Write(SettingsFilePath(m_folder.Dir()), stored);
  ASSERT_TRUE(Start());
  CImmutable readOnly(m_folder.Dir());
  if (!readOnly.IsSet()) GTEST_SKIP() << "chattr +i did not work here (it needs root)";
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "the first change" : "the second change");
    HWND window = OpenSettings();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Checked(window), round == 1) << "the first change lasts the run";
    if (round == 0) ::SendMessageW(::GetDlgItem(window, IDC_REMINDER_ON), BM_CLICK, 0, 0);
    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(m_program.Roundtrip());
    if (round == 0) {
      ASSERT_TRUE(WaitUntil([this] { return !Messages().empty(); }));
      const std::string text = Messages().front();
      EXPECT_EQ(text.rfind("설정을 저장할 수 없습니다. " + m_folder.Dir() + " 폴더에 쓸 수 없습니다.", 0), 0u) << text;
      for (HWND dialog : m_program.Dialogs())
        if (TitleOf(dialog) == kAppTitle) ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      ASSERT_TRUE(WaitUntil([this] { return m_program.Dialogs().empty(); }));
    } else {
      EXPECT_TRUE(Messages().empty()) << "told once";
    }
  }
  EXPECT_EQ(SettingsText(), stored);
}

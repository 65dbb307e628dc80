// The settings window "설정": it shows the settings it is given, the time can be chosen only while the
// reminder is on, and it gives back what the user left; the day of the last balloon passes through.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "app/SettingsDlg.h"
#include "core/HabitPrinters.h"
#include "res/Resource.h"
#include "ui/LocalDate.h"

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

HabitSettings Settings(bool on, int hour, int minute) {
  HabitSettings settings;
  settings.reminderOn = on;
  settings.reminderTime = ReminderTime{hour, minute};
  settings.lastBalloonDay = CalendarDay{2026, 12, 1};
  return settings;
}

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
      {"turned on at a new time", Settings(false, 7, 0), true, 6, 5, Settings(true, 6, 5)},
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
    if (row.hour >= 0) window.ChooseTime(row.hour, row.minute);
    const HabitSettings chosen = window.Confirm();
    EXPECT_EQ(chosen.reminderOn, row.expected.reminderOn);
    EXPECT_EQ(chosen.reminderTime, row.expected.reminderTime);
    EXPECT_EQ(chosen.lastBalloonDay, row.expected.lastBalloonDay);
  }
}

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "habit/SettingsFile.h"
#include "res/TextIds.h"

namespace {

BackupSettings InFolder(const std::string& folder) {
  BackupSettings backup;
  backup.folder = folder;
  return backup;
}

HabitSettings Settings(bool on, int hour, int minute, std::optional<CalendarDay> lastBalloon = std::nullopt,
                       bool trayTipShown = false) {
  HabitSettings settings;
  settings.reminderOn = on;
  settings.reminderTime = {hour, minute};
  settings.lastBalloonDay = lastBalloon;
  settings.trayTipShown = trayTipShown;
  return settings;
}

TEST(SettingsFileTest, EachBadSettingFallsBackToItsDefaultAndTheGoodOnesStay) {
  const HabitSettings defaults;
  const struct {
    const char* scenario;
    std::string text;
    HabitSettings expected;
    int damagedLines;
  } rows[] = {
      {"empty file", "", defaults, 0},
      {"all good, with a byte order mark and CR LF",
       "\xEF\xBB\xBF; comment\r\nreminder=on\r\nreminderTime=21:05\r\nlastBalloon=20261206\r\n",
       Settings(true, 21, 5, CalendarDay{2026, 12, 6}), 0},
      {"blanks around names and values, a section line", "[Reminder]\n  reminder = on \n\treminderTime=06:30",
       Settings(true, 6, 30), 0},
      {"a time out of range", "reminder=on\nreminderTime=25:61\n", Settings(true, 7, 0), 1},
      {"a time of the wrong form", "reminderTime=7:00\nreminder=on\n", Settings(true, 7, 0), 1},
      {"a bad switch value", "reminder=yes\nreminderTime=08:15\n", Settings(false, 8, 15), 1},
      {"a last balloon that names no day", "reminder=on\nlastBalloon=20261332\n", Settings(true, 7, 0), 1},
      {"the tray icon's line was shown", "reminder=on\ntrayTip=shown\n", Settings(true, 7, 0, std::nullopt, true), 0},
      {"a tray line of another value", "reminder=on\ntrayTip=yes\n", Settings(true, 7, 0), 1},
      {"garbage bytes on a line of their own", "reminder=on\n\xFF\xFE\x01garbage\x80\nreminderTime=09:00\n",
       Settings(true, 9, 0), 1},
      {"a line without '='", "reminder on\nreminderTime=09:00\n", Settings(false, 9, 0), 1},
      {"an unknown name", "colour=blue\nreminder=on\n", Settings(true, 7, 0), 1},
      {"a NUL inside a value", std::string("reminder=on\nreminderTime=09:0\0", 30) + "0\n", Settings(true, 7, 0), 1},
  };
  for (const auto& row : rows) {
    const SettingsReading reading = ParseSettingsText(row.text);
    EXPECT_EQ(reading.settings, row.expected) << row.scenario;
    EXPECT_EQ(reading.damagedLines, row.damagedLines) << row.scenario;
  }
}

TEST(SettingsFileTest, WrittenSettingsReadBackAndReplaceTheOldFileWhole) {
  TestFiles files;
  const std::string dir = files.MakeSubDir("설정 폴더");
  EXPECT_FALSE(ReadSettingsFile(dir).fileFound);
  EXPECT_EQ(ReadSettingsFile(dir).settings, HabitSettings());

  for (const HabitSettings& settings :
       {Settings(true, 0, 0, CalendarDay{2026, 12, 31}, true), Settings(false, 23, 59), HabitSettings()}) {
    const SettingsWriting writing = WriteSettingsFile(dir, settings);
    ASSERT_TRUE(writing.written) << writing.path;
    EXPECT_TRUE(writing.Message().IsEmpty());
    const SettingsReading reading = ReadSettingsFile(dir);
    EXPECT_TRUE(reading.fileFound);
    EXPECT_EQ(reading.damagedLines, 0);
    EXPECT_EQ(reading.settings, settings);
  }
  EXPECT_FALSE(TestFiles::Exists(dir + "Vesperal.ini.new"));
  // A damaged file is read as far as it is good, and the next write replaces it whole.
  TestFiles::Write(dir + "Vesperal.ini", std::string("reminder=on\nreminderTime=99:99\n\0\x01", 34));
  const SettingsReading damaged = ReadSettingsFile(dir);
  EXPECT_EQ(damaged.settings, Settings(true, 7, 0));
  EXPECT_EQ(damaged.damagedLines, 2);
  ASSERT_TRUE(WriteSettingsFile(dir, damaged.settings).written);
  EXPECT_EQ(ReadSettingsFile(dir).damagedLines, 0);
}

TEST(SettingsFileTest, TheTrayIconsLineShowsTheFirstTimeTheReminderIsTickedOnly) {
  const struct {
    HabitSettings stored;
    bool ticked;
    bool shows;
  } rows[] = {
      {Settings(false, 7, 0), true, true},  // off until now: the first time
      {Settings(false, 7, 0), false, false},
      {Settings(true, 7, 0), true, false},  // on already: ticked again after untick in the same window
      {Settings(false, 7, 0, std::nullopt, true), true, false},  // shown in an earlier window
  };
  for (const auto& row : rows)
    EXPECT_EQ(ShowsTrayTip(row.stored, row.ticked), row.shows) << row.stored.reminderOn << row.stored.trayTipShown;
}

TEST(SettingsFileTest, AFolderThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
  TestFiles files;
  const std::string missingDir = files.Path("no such folder") + TestFiles::Separator();
  // A folder whose settings name is taken by a folder: the new file cannot replace it.
  const std::string blockedDir = files.MakeSubDir("blocked");
  std::filesystem::create_directory(TestFiles::FsPath(blockedDir + "Vesperal.ini"));
  for (const std::string& dir : {missingDir, blockedDir}) {
    const SettingsWriting writing = WriteSettingsFile(dir, Settings(true, 8, 0));
    EXPECT_FALSE(writing.written) << dir;
    EXPECT_EQ(writing.Message().Parts(), (std::vector<MessageText::Part>{{IDS_SETTINGS_CANNOT_WRITE, {dir}}}));
    EXPECT_FALSE(TestFiles::Exists(dir + "Vesperal.ini.new")) << dir;
    EXPECT_EQ(ReadSettingsFile(dir).settings, HabitSettings()) << dir;
  }
}

TEST(SettingsFileTest, TheBackupLinesReadAloneAndEachWriterKeepsTheOthersLines) {
  BackupSettings chosen = InFolder(u8"D:\\OneDrive\\일기 백업");
  chosen.last = LocalTime{{2026, 3, 7}, (21 * 60 + 5) * 60};
  chosen.lastStamp = "41-20480-133";
  chosen.failureTold = CalendarDay{2026, 3, 6};
  const struct {
    std::string text;
    BackupSettings expected;
    int damagedLines;
  } rows[] = {
      {FormatSettingsText(HabitSettings(), chosen), chosen, 0},
      {"lastBackup=20260307\nbackupFolder=C:\\b\n", InFolder("C:\\b"), 1},  // a last backup without its time
      {"backupFailureTold=20260230\nbackupFolder=C:\\a\x01b\n", BackupSettings(), 2},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ParseSettingsText(row.text).backup, row.expected) << row.text;
    EXPECT_EQ(ParseSettingsText(row.text).damagedLines, row.damagedLines) << row.text;
  }
  TestFiles files;
  const HabitSettings habit = Settings(true, 6, 30, CalendarDay{2026, 3, 7});
  ASSERT_TRUE(WriteSettingsFile(files.ProgramDir(), habit).written);
  ASSERT_TRUE(WriteBackupSettings(files.ProgramDir(), chosen).written);
  EXPECT_EQ(ReadSettingsFile(files.ProgramDir()).settings, habit);
  ASSERT_TRUE(WriteSettingsFile(files.ProgramDir(), HabitSettings()).written);
  EXPECT_EQ(ReadSettingsFile(files.ProgramDir()).backup, chosen);
}

TEST(SettingsFileTest, TheTextSizeReadsAloneAndEveryWriterKeepsIt) {
  const struct {
    std::string text;
    int textSize;
  } rows[] = {{"textSize=14\n", 14}, {" textSize = 24 \r\n", 24}, {"textSize=13\n", 12},  // a size between steps
              {"textSize=8\n", 9},   {"textSize=25\n", 9},        {"textSize=014\n", 9}, {"textSize=1e\n", 9}};
  for (const auto& row : rows) {
    EXPECT_EQ(ParseSettingsText(row.text).textSize, row.textSize) << row.text;
    EXPECT_EQ(ParseSettingsText(row.text).damagedLines, row.textSize == 9 ? 1 : 0) << row.text;
  }
  TestFiles files;
  const std::string dir = files.ProgramDir();
  const HabitSettings habit = Settings(true, 6, 30);
  ASSERT_TRUE(WriteTextSize(dir, 20).written);
  ASSERT_TRUE(WriteSettingsFile(dir, habit).written);
  ASSERT_TRUE(WriteBackupSettings(dir, InFolder("C:\\b")).written);
  ASSERT_TRUE(WriteTextSize(dir, 11).written);
  EXPECT_EQ(ReadSettingsFile(dir).textSize, 11);
  EXPECT_EQ(ReadSettingsFile(dir).settings, habit);
  // The default size leaves no line of its own.
  ASSERT_TRUE(WriteTextSize(dir, kDefaultTextSize).written);
  EXPECT_EQ(TestFiles::Read(dir + "Vesperal.ini"), FormatSettingsText(habit, InFolder("C:\\b")));
}

}  // namespace

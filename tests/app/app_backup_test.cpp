// The diary's backups in the real program, with the recording build's played clock and pickers: the reading
// window's opening and the program's end make the day's copy; the settings window shows the folder in use and
// the last backup, takes another folder, backs up now, and restores a copy, which brings back an entry deleted
// since. What is told and what is refused is pinned by the core's tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "ProgramRun.h"
#include "app/TrayRules.h"
#include "core/DbTestData.h"
#include "habit/SettingsFile.h"

namespace {

// Asked of the control itself: another process's edit field gives GetWindowText no text.
std::string Text(HWND window, int id) {
  wchar_t text[512] = L"";
  ::SendMessageW(::GetDlgItem(window, id), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return Narrow(text);
}

int ThisYear() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return now.wYear;
}

void Click(HWND window, int id) {
  ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

}  // namespace

TEST(BackupProgram, TheDaysCopyIsMadeAndTheSettingsWindowBacksUpNowAndRestores) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Ready());
  const std::string dir = folder.Dir(), diary = dir + "memo.mdb", year = std::to_string(ThisYear());
  const auto dialog = [](const ProgramProcess& program, const std::string& title) {
    HWND found = nullptr;
    WaitUntil([&] {
      for (HWND window : program.Dialogs())
        if (TitleOf(window) == title) found = window;
      return found != nullptr;
    });
    return found;
  };
  // The next message box's text, answered with `answer`.
  const auto told = [&](const ProgramProcess& program, int answer) {
    HWND box = dialog(program, kAppTitle);
    if (!box) return std::string("(no message box)");
    const std::string text = TitleOf(::GetDlgItem(box, 0xFFFF));
    ::PostMessageW(box, WM_COMMAND, answer, 0);
    WaitUntil([&] { return !::IsWindow(box); });
    return text;
  };
  folder.ReplacePlan(ThisYear(),
                     "INSERT INTO YEAR VALUES(" + year + ", 'plan'); INSERT INTO MONTH VALUES(3, '3월');" +
                         "INSERT INTO DAYRANGE VALUES(3, 10, 310, 'a'); INSERT INTO DAY VALUES(310, 1, '1', 'v');");
  dbtest::MakeDiary(diary);
  {
    CDaoDatabase db;
    db.Open(diary);
    dbtest::AddEntry(db, year + "0301", u8"남길 글", "m", "p");
    dbtest::AddEntry(db, year + "0302", u8"지울 글", "m", "p");
  }
  TestFiles::Write(dir + "clock.txt", year + "-03-10 09:15:00");
  ProgramProcess program;
  ASSERT_TRUE(program.Start(folder, "") && program.WaitUntilIdle(folder));
  EXPECT_TRUE(TestFiles::Exists(dir + u8"백업\\memo-" + year + "0310.mdb")) << "made as the reading window opened";
  ASSERT_TRUE(program.CloseReading());

  program.Tray(WM_RBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([&] { return program.Menu() != nullptr; }));
  ::PostMessageW(program.MainFrame(), WM_CHAR, 'S', 1);
  HWND settings = dialog(program, "설정");
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(Text(settings, IDC_BACKUP_FOLDER), dir + u8"백업\\");
  EXPECT_EQ(Text(settings, IDC_BACKUP_LAST), year + u8"년 3월 10일 09:15");

  const std::string chosen = dir + u8"OneDrive 백업", copy = chosen + "\\memo-" + year + "0310.mdb";
  std::filesystem::create_directory(TestFiles::FsPath(chosen));
  TestFiles::Write(dir + "folderpick.txt", chosen);
  Click(settings, IDC_BACKUP_CHOOSE);
  EXPECT_TRUE(WaitUntil([&] { return Text(settings, IDC_BACKUP_FOLDER) == chosen + "\\"; }));
  EXPECT_EQ(folder.Calls("folderpick").back().at(1), dir + u8"백업") << "opened on the folder in use";
  Click(settings, IDC_BACKUP_NOW);
  EXPECT_EQ(told(program, IDOK), u8"일기를 백업했습니다.\n" + copy);

  dbtest::RawExec(diary, "DELETE FROM VESPERAL WHERE keydate = '" + year + "0302'");
  TestFiles::Write(dir + "filepick.txt", copy);
  Click(settings, IDC_BACKUP_RESTORE);
  EXPECT_EQ(told(program, IDYES).rfind(copy + u8" 파일의 일기로 지금의 일기를 바꿀까요?", 0), 0u);
  EXPECT_NE(told(program, IDOK).find(u8"되살리기 전의 일기는 " + chosen + "\\memo-" + year + u8"0310-되살리기전.mdb"),
            std::string::npos);
  EXPECT_EQ(folder.Calls("filepick").back().at(1), chosen + "\\") << "opened in the folder in use";
  {
    CDaoDatabase db;
    db.Open(diary, false, true);
    EXPECT_EQ(dbtest::Column(db, "SELECT memo1 FROM VESPERAL ORDER BY keydate", "memo1"),
              (std::vector<std::string>{u8"남길 글", u8"지울 글"}));
  }
  ::PostMessageW(settings, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(settings); }) && program.Roundtrip());
  EXPECT_EQ(ReadSettingsFile(dir).backup.folder, chosen) << "kept when the reminder's settings are stored";

  // The next day the diary has changed since the restore; the program's end backs it up.
  TestFiles::Write(dir + "clock.txt", year + "-03-11 21:00:00");
  EXPECT_EQ(program.Exit(), 0);
  EXPECT_TRUE(TestFiles::Exists(chosen + "\\memo-" + year + "0311.mdb")) << "made at the program's end";
}

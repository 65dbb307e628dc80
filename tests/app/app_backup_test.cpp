// The diary's backups in the real program, with the recording build's played clock and pickers: the reading
// window's opening and the program's end make the day's copy and an unwritable folder is told when the diary
// opens; the settings window shows the folder and the last backup, takes another folder, backs up now and
// restores a copy (the entry deleted since comes back), and refuses a file that is no diary.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "ProgramRun.h"
#include "app/TrayRules.h"
#include "core/DbTestData.h"
#include "habit/SettingsFile.h"

namespace {

class BackupProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.Ready());
    const std::string y = std::to_string(m_year);
    m_folder.ReplacePlan(m_year,
                         "INSERT INTO YEAR VALUES(" + y + ", 'plan'); INSERT INTO MONTH VALUES(3, '3월');" +
                             "INSERT INTO DAYRANGE VALUES(3, 10, 310, 'a'), (3, 11, 311, 'b'), (3, 12, 312, 'c');" +
                             "INSERT INTO DAY VALUES(310, 1, '1', 'v'), (311, 1, '1', 'v'), (312, 1, '1', 'v');");
    dbtest::MakeDiary(Diary());
    AddEntry("0301", u8"남길 글");
  }
  void TearDown() override {
    if (!m_program.IsRunning()) return;
    for (HWND box = Box(); box; box = Box()) Answer(box, IDOK);
    if (HWND settings = Settings()) ::PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
    if (m_program.ReadingWindow()) m_program.CloseReading();
    EXPECT_EQ(m_program.Exit(), 0);
  }

  std::string Diary() const { return m_folder.Dir() + "memo.mdb"; }
  std::string March(int day) const { return std::to_string(m_year) + "03" + std::to_string(day); }
  void AddEntry(const std::string& monthDay, const std::string& title) const {
    CDaoDatabase db;
    db.Open(Diary());
    dbtest::AddEntry(db, std::to_string(m_year) + monthDay, title, "m", "p");
  }
  std::vector<std::string> Titles() const {
    CDaoDatabase db;
    db.Open(Diary(), false, true);
    return dbtest::Column(db, "SELECT memo1 FROM VESPERAL ORDER BY keydate", "memo1");
  }
  void PlayClock(int marchDay, const char* time) const {
    TestFiles::Write(m_folder.Dir() + "clock.txt",
                     std::to_string(m_year) + "-03-" + std::to_string(marchDay) + " " + time);
  }
  bool Start(const char* arguments) {
    if (!m_program.Start(m_folder, arguments) || !m_program.WaitUntilIdle(m_folder)) return false;
    m_frame = m_program.MainFrame();
    return true;
  }
  HWND Settings() const {
    for (HWND dialog : m_program.Dialogs())
      if (TitleOf(dialog) == "설정") return dialog;
    return nullptr;
  }
  HWND Box() const {
    for (HWND dialog : m_program.Dialogs())
      if (TitleOf(dialog) == kAppTitle) return dialog;
    return nullptr;
  }
  // The text of the message box that comes up next.
  std::string NextBox(HWND& box) const {
    box = nullptr;
    WaitUntil([&] { return (box = Box()) != nullptr; });
    return box ? TitleOf(::GetDlgItem(box, 0xFFFF)) : "(no message box)";
  }
  void Answer(HWND box, int id) const {
    ::PostMessageW(box, WM_COMMAND, id, 0);
    WaitUntil([&] { return !::IsWindow(box); });
  }
  HWND OpenSettings() const {
    m_program.Tray(WM_RBUTTONDOWN);
    if (!WaitUntil([this] { return m_program.Menu() != nullptr; })) return nullptr;
    ::PostMessageW(m_frame, WM_CHAR, 'S', 1);
    HWND window = nullptr;
    WaitUntil([&] { return (window = Settings()) != nullptr; });
    return window;
  }
  static void Click(HWND window, int id) {
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
  }
  // Asked of the control itself: another process's edit field gives no text to GetWindowText.
  static std::string Text(HWND window, int id) {
    wchar_t text[512] = L"";
    ::SendMessageW(::GetDlgItem(window, id), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return Narrow(text);
  }

  int m_year = [] {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return static_cast<int>(now.wYear);
  }();
  ProgramFolder m_folder;
  ProgramProcess m_program;
  HWND m_frame = nullptr;
};

}  // namespace

TEST_F(BackupProgram, TheDiarysOpeningAndTheProgramsEndMakeTheDaysCopyAndAnUnwritableFolderIsTold) {
  const std::string folder = m_folder.Dir() + u8"백업\\";
  PlayClock(10, "09:00:00");
  ASSERT_TRUE(Start(""));
  ASSERT_NE(m_program.ReadingWindow(), nullptr);
  EXPECT_TRUE(TestFiles::Exists(folder + "memo-" + March(10) + ".mdb")) << "made at the reading window's opening";
  ASSERT_TRUE(m_program.CloseReading());
  AddEntry("0310", u8"오늘 글");
  PlayClock(11, "21:00:00");
  EXPECT_EQ(m_program.Exit(), 0);
  EXPECT_TRUE(TestFiles::Exists(folder + "memo-" + March(11) + ".mdb")) << "made at the program's end";

  // The chosen folder's place is taken by a file: the folder cannot be made.
  TestFiles::Write(m_folder.Dir() + "taken", "x");
  BackupSettings backup = ReadSettingsFile(m_folder.Dir()).backup;
  backup.folder = m_folder.Dir() + "taken\\backups";
  ASSERT_TRUE(WriteBackupSettings(m_folder.Dir(), backup).written);
  PlayClock(12, "07:00:00");
  ASSERT_TRUE(Start("smode"));
  m_program.Tray(kTrayLeftDoubleClick);
  HWND box = nullptr;
  const std::string told = NextBox(box);
  EXPECT_EQ(told.rfind(u8"일기를 백업하지 못했습니다. 백업 폴더인 " + backup.folder + u8"\\ 폴더에 쓸 수 없습니다.", 0),
            0u)
      << told;
  EXPECT_NE(told.find(u8"이 알림은 하루에 한 번만 나옵니다."), std::string::npos) << told;
  if (box) Answer(box, IDOK);
  EXPECT_TRUE(WaitUntil([this] { return m_program.ReadingWindow() != nullptr; })) << "the diary goes on";
}

TEST_F(BackupProgram, TheSettingsWindowTakesAFolderBacksUpNowAndRestoresACopy) {
  AddEntry("0302", u8"지울 글");
  PlayClock(10, "09:15:00");
  ASSERT_TRUE(Start("smode"));
  HWND window = OpenSettings();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Text(window, IDC_BACKUP_FOLDER), m_folder.Dir() + u8"백업\\");
  EXPECT_EQ(Text(window, IDC_BACKUP_LAST), u8"아직 없음");

  const std::string chosen = m_folder.Dir() + u8"OneDrive 백업";
  std::filesystem::create_directory(TestFiles::FsPath(chosen));
  TestFiles::Write(m_folder.Dir() + "folderpick.txt", chosen);
  Click(window, IDC_BACKUP_CHOOSE);
  EXPECT_TRUE(WaitUntil([&] { return Text(window, IDC_BACKUP_FOLDER) == chosen + "\\"; }));
  EXPECT_EQ(m_folder.Calls("folderpick").back().at(1), m_folder.Dir() + u8"백업") << "opened on the folder in use";
  EXPECT_EQ(ReadSettingsFile(m_folder.Dir()).backup.folder, chosen);

  Click(window, IDC_BACKUP_NOW);
  HWND box = nullptr;
  const std::string copy = chosen + "\\memo-" + March(10) + ".mdb";
  EXPECT_EQ(NextBox(box), u8"일기를 백업했습니다.\n" + copy);
  if (box) Answer(box, IDOK);
  EXPECT_EQ(Text(window, IDC_BACKUP_LAST), std::to_string(m_year) + u8"년 3월 10일 09:15");

  dbtest::RawExec(Diary(), "DELETE FROM VESPERAL WHERE keydate = '" + std::to_string(m_year) + "0302'");
  TestFiles::Write(m_folder.Dir() + "filepick.txt", copy);
  Click(window, IDC_BACKUP_RESTORE);
  EXPECT_EQ(NextBox(box).rfind(copy + u8" 파일의 일기로 지금의 일기를 바꿀까요?", 0), 0u);
  if (box) Answer(box, IDYES);
  EXPECT_EQ(NextBox(box), copy + u8" 파일의 일기를 되살렸습니다. 다음에 여는 말씀 읽기 창부터 되살린 일기를 씁니다.\n" +
                              u8"되살리기 전의 일기는 " + chosen + "\\memo-" + March(10) +
                              u8"-되살리기전.mdb 파일로 남겨 두었습니다.");
  if (box) Answer(box, IDOK);
  EXPECT_EQ(Titles(), (std::vector<std::string>{u8"남길 글", u8"지울 글"}));
  EXPECT_EQ(m_folder.Calls("filepick").back().at(1), chosen + "\\") << "opened in the folder in use";

  const std::string garbage = m_folder.Dir() + "garbage.mdb";
  TestFiles::Write(garbage, std::string(8192, 'Z'));
  TestFiles::Write(m_folder.Dir() + "filepick.txt", garbage);
  const std::string before = TestFiles::Read(Diary());
  Click(window, IDC_BACKUP_RESTORE);
  NextBox(box);
  if (box) Answer(box, IDYES);
  EXPECT_EQ(NextBox(box).rfind(garbage + u8" 파일로 되살리지 않았습니다. 일기는 바꾸지 않았습니다.\n" +
                                   u8"이 프로그램의 일기 파일이 아닙니다.",
                               0),
            0u);
  if (box) Answer(box, IDOK);
  EXPECT_TRUE(TestFiles::Read(Diary()) == before);

  ::PostMessageW(window, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([this] { return Settings() == nullptr; }) && m_program.Roundtrip());
  EXPECT_EQ(ReadSettingsFile(m_folder.Dir()).backup.folder, chosen) << "kept when the reminder's settings are stored";
}

// The reading window and its diary where something is wrong with the files: a folder where the diary
// cannot be made, a damaged memo.mdb, one held by another program, one that cannot be written, and plan
// files made to hang the program. Reading always works, the messages are Korean and name the file, nothing
// typed goes without the user's consent, and no file changes unless the user meant it to.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "DiaryDlgFixture.h"
#include "ImmutableFile.h"
#include "Screenshot.h"
#include "core/TestFiles.h"

namespace {

const char kVerse5[] = u8"오월 다섯째 날의 구절";
const char kVerse6[] = u8"오월 여섯째 날의 구절";

// Another program's hold on a database file: file_lock_holder.exe, built beside the tests, holds an
// exclusive transaction on it until this object goes.
class CFileHolder {
 public:
  explicit CFileHolder(const std::string& path) {
    const std::string suffix = std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount());
    const std::string heldName = "VesperalTestHeld-" + suffix, releaseName = "VesperalTestRelease-" + suffix;
    m_held = ::CreateEventW(nullptr, TRUE, FALSE, Widen(heldName).c_str());
    m_release = ::CreateEventW(nullptr, TRUE, FALSE, Widen(releaseName).c_str());
    wchar_t program[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::string folder = Narrow(program);
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    std::wstring line =
        Widen("\"" + folder + "file_lock_holder.exe\" \"" + path + "\" " + heldName + " " + releaseName);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return;
    ::CloseHandle(process.hThread);
    m_process = process.hProcess;
    const HANDLE either[] = {m_held, m_process};
    m_bHeld = ::WaitForMultipleObjects(2, either, FALSE, 20000) == WAIT_OBJECT_0;
  }
  ~CFileHolder() {
    ::SetEvent(m_release);
    if (m_process) {
      ::WaitForSingleObject(m_process, 20000);
      ::CloseHandle(m_process);
    }
    ::CloseHandle(m_held);
    ::CloseHandle(m_release);
  }
  CFileHolder(const CFileHolder&) = delete;
  CFileHolder& operator=(const CFileHolder&) = delete;
  bool Held() const { return m_bHeld; }

 private:
  HANDLE m_held = nullptr, m_release = nullptr, m_process = nullptr;
  bool m_bHeld = false;
};

// A small file system of its own on a folder, so that the disk can be filled; unmounted however the
// test ends. A file made before the mount is hidden by it, which tells whether it is in place.
class CSmallDisk {
 public:
  CSmallDisk(const std::string& folder, const std::string& size)
      : m_strMarker(folder + "before-mount"), m_strPath(LinuxPath(folder)) {
    if (m_strPath.empty()) return;
    TestFiles::Write(m_strMarker, "x");
    RunLinux("/usr/bin/mount", "-t tmpfs -o size=" + size + " vesperal-test \"" + m_strPath + "\"");
    m_bMounted = WaitFor([this] { return !TestFiles::Exists(m_strMarker); });
  }
  ~CSmallDisk() {
    if (m_strPath.empty()) return;
    RunLinux("/usr/bin/umount", "\"" + m_strPath + "\"");
    WaitFor([this] { return TestFiles::Exists(m_strMarker); });
  }
  CSmallDisk(const CSmallDisk&) = delete;
  CSmallDisk& operator=(const CSmallDisk&) = delete;
  bool IsMounted() const { return m_bMounted; }

 private:
  std::string m_strMarker, m_strPath;
  bool m_bMounted = false;
};

}  // namespace

class DiaryBadEnvironmentTest : public DiaryDlgTest {
 public:
  using DiaryDlgTest::Key;
  using DiaryDlgTest::Seed;
  std::string ProgramDir() const { return m_dir.ProgramDir(); }
  std::string DiaryPath() const { return m_dir.ProgramDir() + "memo.mdb"; }
  std::string DiaryBytes() const { return TestFiles::Exists(DiaryPath()) ? TestFiles::Read(DiaryPath()) : "(none)"; }
  std::unique_ptr<CFileHolder> m_holder;
  std::unique_ptr<CImmutable> m_readOnly;

 protected:
  void WriteMay() { WriteThisYear({{5, 5, u8"시편 1", {kVerse5}}, {5, 6, u8"시편 2", {kVerse6}}}); }

  // The passage of the shown date is on the page and every button has its icon.
  void ExpectReadingWorks(const char* verse) {
    ASSERT_GE(Shown().VerseCount(), 1);
    EXPECT_EQ(ShownBody(0), verse);
    for (int id : {IDC_PREV_DAY, IDC_NEXT_DAY, IDOK, IDC_DIARY_BUTTON}) EXPECT_TRUE(ShowsIcon(id)) << id;
  }
  SYSTEMTIME DiaryPicker() const { return GetPickerTime(DiaryItem(IDC_DIARY_DATE)); }
  SYSTEMTIME ReadingPicker() const { return GetPickerTime(Item(IDC_READING_DATE)); }
  // `hold` makes the store fail, before the reading window opens or after its diary opened; false skips.
  void ExpectStoreFailureFlow(const char* says, bool holdBeforeOpen, const std::function<bool()>& hold,
                              const std::function<void()>& release);
  void ExpectBothOn(int month, int day) {
    EXPECT_EQ(DiaryKey(), Key(month, day));
    EXPECT_TRUE(IsSameDate(DiaryPicker(), m_year, month, day));
    EXPECT_EQ(ReadingKey(), Key(month, day));
    EXPECT_TRUE(IsSameDate(ReadingPicker(), m_year, month, day));
  }
};

TEST_F(DiaryBadEnvironmentTest, WithoutAUsableDiaryReadingWorksAndTheDiaryButtonSaysWhy) {
  const struct {
    const char* name;
    std::function<void(DiaryBadEnvironmentTest&)> make;
    const char* says;  // UTF-8
  } rows[] = {
      {"a read-only program folder",
       [](DiaryBadEnvironmentTest& t) {
         t.m_readOnly = std::make_unique<CImmutable>(t.ProgramDir());
         if (!t.m_readOnly->IsSet()) std::printf("row skipped: chattr +i did not work here (it needs root)\n");
       },
       u8" 폴더에 쓸 수 없습니다."},
      {"a folder where memo.mdb cannot be made",
       [](DiaryBadEnvironmentTest& t) {
         // A folder in the way of the file being built makes the creation fail as a read-only folder does.
         std::filesystem::create_directories(TestFiles::FsPath(t.DiaryPath() + ".new") / "blocked");
       },
       u8" 폴더에 쓸 수 없습니다."},
      {"memo.mdb of garbage bytes",
       [](DiaryBadEnvironmentTest& t) { TestFiles::Write(t.DiaryPath(), std::string(8192, 'Z')); },
       u8" 파일이 손상되어 읽을 수 없습니다. 파일은 바꾸지 않았습니다."},
      {"memo.mdb with a damaged page",
       [](DiaryBadEnvironmentTest& t) {
         t.Seed(t.Key(5, 5), u8"제목", u8"묵상", u8"기도");
         std::string bytes = TestFiles::Read(t.DiaryPath());
         ASSERT_GE(bytes.size(), 8192u);
         for (size_t i = 4096; i < 4096 + 64; ++i) bytes[i] = '\x7f';  // the diary table's first page
         TestFiles::Write(t.DiaryPath(), bytes);
       },
       u8" 파일이 손상되어 읽을 수 없습니다. 파일은 바꾸지 않았습니다."},
      {"memo.mdb held by another program from the start",
       [](DiaryBadEnvironmentTest& t) {
         t.Seed(t.Key(5, 5), u8"제목", u8"묵상", u8"기도");
         t.m_holder = std::make_unique<CFileHolder>(t.DiaryPath());
         ASSERT_TRUE(t.m_holder->Held());
       },
       u8" 파일을 다른 프로그램이 사용하고 있습니다."},
  };
  WriteMay();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    row.make(*this);
    if (m_readOnly && !m_readOnly->IsSet()) {
      m_readOnly.reset();
      continue;
    }
    const std::string before = DiaryBytes();
    Open();
    PickDate(m_year, 5, 5);
    EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();  // nothing to say before the diary is asked for
    ExpectReadingWorks(kVerse5);
    // A picture for people of the page over a damaged diary, left in the build folder.
    if (std::string(row.name) == "memo.mdb of garbage bytes") {
      RECT client;
      ::GetClientRect(Hwnd(), &client);
      CPixelSurface page(client.right, client.bottom, RGB(0, 0, 0));
      ::SendMessageW(Hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(page.Dc()), PRF_CLIENT);
      EXPECT_TRUE(page.SaveBmp(ProgramFolder() + "damaged-diary-reading.bmp"));
    }

    // Every press says why, and no diary window takes typing it could not keep.
    ClickReading(IDC_DIARY_BUTTON);
    ClickReading(IDC_DIARY_BUTTON);
    ASSERT_EQ(m_boxes.Boxes().size(), 2u) << BoxTexts();
    for (const auto& box : m_boxes.Boxes()) {
      const std::string& text = box.text;
      EXPECT_NE(text.find(row.says), std::string::npos) << text;
      EXPECT_NE(text.find(m_dir.ProgramDir()), std::string::npos) << text;
      EXPECT_NE(text.find(u8"읽기는 일기 없이 그대로 할 수 있습니다."), std::string::npos) << text;
      EXPECT_EQ(box.type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(Diary(), nullptr);
    EXPECT_EQ(Face(), DiaryFace::kEmpty);

    // The day steps and the picker go on as ever.
    ClickReading(IDC_NEXT_DAY);
    ExpectReadingWorks(kVerse6);
    m_dlg.reset();
    m_holder.reset();
    m_readOnly.reset();
    EXPECT_TRUE(DiaryBytes() == before);
    EXPECT_FALSE(TestFiles::Exists(DiaryPath() + "-journal"));
    std::filesystem::remove_all(TestFiles::FsPath(DiaryPath()));
    std::filesystem::remove_all(TestFiles::FsPath(DiaryPath() + ".new"));
    m_boxes.Clear();
  }
}

// A memo.mdb that cannot be written, that another program holds while the diary is open, or on a full disk:
// the store fails with a message naming the file and the cause, both windows stay on the date of the typed
// text, and closing asks whether to give the text up; only a yes lets it go. The file is never changed.
void DiaryBadEnvironmentTest::ExpectStoreFailureFlow(const char* says, bool holdBeforeOpen,
                                                     const std::function<bool()>& hold,
                                                     const std::function<void()>& release) {
  Seed(Key(5, 5), u8"지난 글", u8"묵상", u8"기도");
  if (holdBeforeOpen && !hold()) return;
  OpenOn(5, 5);
  if (!holdBeforeOpen && !hold()) return;
  const std::string before = DiaryBytes();
  EXPECT_EQ(Fields()[0], u8"지난 글");
  Type(IDC_DIARY_TITLE, u8"새로 쓴 글");

  // A change of date cannot store: the message, and both windows stay on the typed text's date.
  PickDiaryDate(5, 6);
  ASSERT_EQ(m_boxes.Boxes().size(), 1u) << BoxTexts();
  const std::string& failure = m_boxes.Boxes()[0].text;
  EXPECT_EQ(failure.rfind(u8"일기를 저장하지 못했습니다. 입력한 내용은 창에 그대로 있습니다.\n", 0), 0u) << failure;
  EXPECT_NE(failure.find(DiaryPath() + says), std::string::npos) << failure;
  ExpectBothOn(5, 5);
  EXPECT_EQ(Fields()[0], u8"새로 쓴 글");
  ExpectReadingWorks(kVerse5);
  // A day step in the reading window cannot take the diary along either: both come back.
  ClickReading(IDC_NEXT_DAY);
  ASSERT_EQ(m_boxes.Boxes().size(), 2u) << BoxTexts();
  ExpectBothOn(5, 5);
  ExpectReadingWorks(kVerse5);

  // 닫 기, and then the reading window's own close: each asks, and "no" keeps everything open.
  Click(Diary(), IDOK);
  ::SendMessageW(Hwnd(), WM_COMMAND, IDCANCEL, 0);
  Settle();
  ASSERT_EQ(m_boxes.Boxes().size(), 4u) << BoxTexts();
  for (size_t i = 2; i < 4; ++i) {
    const std::string& question = m_boxes.Boxes()[i].text;
    EXPECT_NE(question.find(u8"저장하지 못한 내용을 버리고 일기 창을 닫을까요?"), std::string::npos) << question;
    EXPECT_EQ(m_boxes.Boxes()[i].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(m_boxes.Boxes()[i].type & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON2));
  }
  ASSERT_TRUE(::IsWindow(Hwnd()));
  ASSERT_TRUE(Diary() && ::IsWindow(Diary()));
  EXPECT_EQ(Fields()[0], u8"새로 쓴 글");
  EXPECT_TRUE(DiaryBytes() == before);

  // "Yes" gives the text up: the diary closes, and the reading window closes after it.
  m_boxes.SetAnswer(IDYES);
  ::SendMessageW(Hwnd(), WM_COMMAND, IDCANCEL, 0);
  Settle();
  m_boxes.SetAnswer(IDOK);
  EXPECT_EQ(m_boxes.Boxes().size(), 5u) << BoxTexts();
  EXPECT_FALSE(m_dlg->GetSafeHwnd() && ::IsWindow(m_dlg->GetSafeHwnd()));
  m_dlg.reset();
  EXPECT_TRUE(DiaryBytes() == before);
  release();
  EXPECT_EQ(Stored(Key(5, 5)), (StoredEntry{true, u8"지난 글", u8"묵상", u8"기도"}));
  std::filesystem::remove(TestFiles::FsPath(DiaryPath()));
  m_boxes.Clear();
}

TEST_F(DiaryBadEnvironmentTest, AStoreIntoAReadOnlyOrHeldDiaryFailsAndClosingAsks) {
  WriteMay();
  {
    SCOPED_TRACE("a read-only memo.mdb");
    std::unique_ptr<CImmutable> readOnly;
    ExpectStoreFailureFlow(
        u8" 파일에 쓸 수 없습니다. 파일이나 그 폴더가 읽기 전용입니다.", true,
        [&] {
          readOnly = std::make_unique<CImmutable>(DiaryPath());
          if (!readOnly->IsSet()) std::printf("skipped: chattr +i did not work here (it needs root)\n");
          return readOnly->IsSet();
        },
        [&] { readOnly.reset(); });
  }
  {
    SCOPED_TRACE("memo.mdb held by another program past the wait");
    ExpectStoreFailureFlow(
        u8" 파일을 다른 프로그램이 사용하고 있습니다.", false,
        [&] {
          m_holder = std::make_unique<CFileHolder>(DiaryPath());
          EXPECT_TRUE(m_holder->Held());
          return true;
        },
        [&] { m_holder.reset(); });
  }
}

// Every other occasion that writes the diary meets a failed store alike: the search and the export wait with
// the store's own message, a deletion says it could not delete, and the end of the session, where no one
// can be asked, says nothing and lets the window go. Nothing typed is lost meanwhile.
TEST_F(DiaryBadEnvironmentTest, EveryOccasionThatWritesMeetsAFailedStoreByOnePolicy) {
  WriteMay();
  Seed(Key(5, 5), u8"지난 글", u8"묵상", u8"기도");
  CImmutable readOnly(DiaryPath());
  if (!readOnly.IsSet()) GTEST_SKIP() << "chattr +i did not work here (it needs root)";
  OpenOn(5, 5);
  Type(IDC_DIARY_TITLE, u8"새로 쓴 글");
  const std::string exported = ProgramDir() + "export.txt";
  DiaryObject().SetExportFileChooser([&](HWND, std::string& path) {
    path = exported;
    return true;
  });
  const char* const kStoreFailed = u8"일기를 저장하지 못했습니다. 입력한 내용은 창에 그대로 있습니다.\n";

  Click(Diary(), IDC_DIARY_FIND);
  EXPECT_EQ(Find(), nullptr) << "the search waits";
  {
    CModalAnswerer choice(CModalAnswerer::Caption(u8"파일로 저장"), [](HWND window) {
      ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Click(Diary(), IDC_DIARY_SAVEFILE);
  }
  EXPECT_FALSE(TestFiles::Exists(exported)) << "the export waits";
  m_boxes.SetAnswer(IDYES);
  Click(Diary(), IDC_DIARY_DELETE);
  m_boxes.SetAnswer(IDOK);
  ASSERT_EQ(m_boxes.Boxes().size(), 4u) << BoxTexts();
  for (size_t i : {0, 1}) EXPECT_EQ(m_boxes.Boxes()[i].text.rfind(kStoreFailed, 0), 0u) << m_boxes.Boxes()[i].text;
  EXPECT_EQ(m_boxes.Boxes()[3].text.rfind(u8"일기를 지우지 못했습니다. 일기는 그대로 있습니다.\n", 0), 0u)
      << m_boxes.Boxes()[3].text;
  EXPECT_EQ(Fields()[0], u8"새로 쓴 글");

  m_boxes.Clear();
  m_dlg->StoreDiaryChanges();
  EXPECT_EQ(BoxTexts(), "") << "no one is asked at the end of the session";
  m_dlg.reset();
  EXPECT_EQ(BoxTexts(), "");
  EXPECT_EQ(Stored(Key(5, 5)), (StoredEntry{true, u8"지난 글", u8"묵상", u8"기도"}));
}

TEST_F(DiaryBadEnvironmentTest, AStoreOntoAFullDiskFailsAndClosingAsks) {
  m_dir.UseSubDir("small-disk");
  CSmallDisk disk(m_dir.ProgramDir(), "2m");
  if (!disk.IsMounted()) GTEST_SKIP() << "mounting a small file system did not work here (it needs root)";
  WriteMay();
  const std::string filler = m_dir.ProgramDir() + "filler";
  ExpectStoreFailureFlow(
      u8" 파일이 있는 디스크에 빈 공간이 없습니다.", false,
      [&] {
        std::ofstream out(TestFiles::FsPath(filler), std::ios::binary);
        const std::string block(4096, 'f');
        while (out.write(block.data(), static_cast<std::streamsize>(block.size())) && out.flush()) {
        }
        return true;
      },
      [&] { std::filesystem::remove(TestFiles::FsPath(filler)); });
  std::filesystem::remove_all(TestFiles::FsPath(m_dir.ProgramDir() + std::to_string(m_year) + ".dat"));
}

// Plan files made to hang the program, or damaged behind a whole schema: refused within about a second with
// the message of an unreadable plan file and its cause; the window is whole, with its buttons and a diary,
// and the file is unchanged.
TEST_F(DiaryBadEnvironmentTest, HostilePlanFilesAreRefusedAndTheWindowGoesOn) {
  const std::string tables =
      "CREATE TABLE YEAR(year INTEGER, ytitle TEXT); CREATE TABLE MONTH(month INTEGER, mtitle TEXT);"
      "CREATE TABLE DAYRANGE(month INTEGER, day INTEGER, order1 INTEGER, range TEXT);";
  const std::string oneDay = "INSERT INTO YEAR VALUES(" + std::to_string(m_year) +
                             ", 'y'); INSERT INTO MONTH VALUES(5, 'm'); INSERT INTO DAYRANGE VALUES(5, 5, 505, 'r');";
  const struct {
    const char* name;
    std::string sql;
    bool damagePages = false;
  } rows[] = {
      {"a view in place of a table", "CREATE VIEW YEAR AS SELECT 1 AS year, 'y' AS ytitle;" +
                                         tables.substr(tables.find("CREATE TABLE MONTH")) +
                                         "CREATE TABLE DAY(order1, order2, sec, body);"},
      {"an endless recursive view named DAY",
       tables + oneDay +
           "CREATE VIEW DAY AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r)"
           " SELECT 505 AS order1, n AS order2, '1' AS sec, 'v' AS body FROM r ORDER BY n DESC;"},
      {"a verse of 100 MB", tables + oneDay +
                                "CREATE TABLE DAY(order1 INTEGER, order2 INTEGER, sec TEXT, body TEXT);"
                                "INSERT INTO DAY VALUES(505, 1, '1', printf('%.*c', 100 * 1000 * 1000, 'a'));"},
      {"pages damaged behind a whole schema",
       tables + oneDay + "CREATE TABLE DAY(order1 INTEGER, order2 INTEGER, sec TEXT, body TEXT);", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = m_dir.ProgramDir() + std::to_string(m_year) + ".dat";
    {
      sqlite3* db = nullptr;
      ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
      const int rc = sqlite3_exec(db, row.sql.c_str(), nullptr, nullptr, nullptr);
      sqlite3_close(db);
      ASSERT_EQ(rc, SQLITE_OK);
    }
    if (row.damagePages) PlanTestDir::DamagePagesAt(path);
    const std::string before = TestFiles::Read(path);
    const auto start = std::chrono::steady_clock::now();
    Open();
    PickDate(m_year, 5, 5);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 3.0);
    ASSERT_GE(m_boxes.Boxes().size(), 2u) << BoxTexts();
    EXPECT_EQ(m_boxes.Boxes()[0].text, u8"베스페랄본문 파일을 열 수 없습니다.");
    EXPECT_EQ(m_boxes.Boxes()[1].text.rfind(path + "\n", 0), 0u) << "the path, then the cause";
    EXPECT_EQ(m_boxes.Boxes().size(), 2u) << BoxTexts();
    for (int id : {IDC_PREV_DAY, IDC_NEXT_DAY, IDOK, IDC_DIARY_BUTTON, IDC_MARK_READ}) EXPECT_TRUE(ShowsIcon(id)) << id;
    // The diary does not depend on the plan.
    ClickReading(IDC_DIARY_BUTTON);
    EXPECT_TRUE(Diary() && ::IsWindow(Diary()));
    m_dlg.reset();
    EXPECT_TRUE(TestFiles::Read(path) == before);
    std::filesystem::remove(TestFiles::FsPath(path));
    m_boxes.Clear();
  }
}

// The search finds "Grace" for "grace" and selects it the same way; a search that stored a new entry
// leaves the delete button enabled for it.
TEST_F(DiaryBadEnvironmentTest, SearchSelectsTheHitAsItFoundItAndItsStoreEnablesDelete) {
  Seed(Key(3, 5), u8"Amazing Grace", "", "");
  OpenOn(6, 1);
  EXPECT_FALSE(::IsWindowEnabled(DiaryItem(IDC_DIARY_DELETE)));
  Type(IDC_DIARY_TITLE, u8"오늘");
  Click(Diary(), IDC_DIARY_FIND);
  EXPECT_TRUE(::IsWindowEnabled(DiaryItem(IDC_DIARY_DELETE)));
  ASSERT_NE(Find(), nullptr);
  SearchFor("grace", true, false, false);
  DoubleClickResult(0);
  EXPECT_EQ(DiaryKey(), Key(3, 5));
  EXPECT_EQ(Selected(IDC_DIARY_TITLE), "Grace");
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

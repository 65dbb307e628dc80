// The diary's export: the choice window, the file name (also through the real common save dialog), the
// shown entry stored first, the file's bytes, failures, and opening the written file.
#include <filesystem>

#include "DiaryDlgFixture.h"
#include "db/Cp949.h"

namespace {

const char* const kChoiceCaption = "파일로 저장";

// Answers the choice window: a scope (0 shown date, 1 every date), or cancel with -1.
CModalAnswerer::Step Choose(int scope) {
  return {CModalAnswerer::Caption(kChoiceCaption), [scope](HWND choice) {
            if (scope < 0) {
              ::SendMessageW(choice, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
              return;
            }
            ::CheckRadioButton(choice, IDC_SAVE_CURRENT, IDC_SAVE_ALL, IDC_SAVE_CURRENT + scope);
            ::SendMessageW(choice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
          }};
}

std::string March(int year) {
  return u8"날짜 : " + std::to_string(year) +
         u8"년  3월  5일\r\n\r\n제목 : 봄날의 감사\r\n\r\n묵상 : 첫 줄\r\n둘째 줄\r\n\r\n기도 : 주님 "
         u8"뜻대로\r\n\r\n\r\n\r\n";
}
std::string January(int year) {
  return u8"날짜 : " + std::to_string(year) +
         u8"년  1월  2일\r\n\r\n제목 : \r\n\r\n묵상 : 새해\r\n\r\n기도 : 은혜\r\n\r\n\r\n\r\n";
}

}  // namespace

class DiaryExportDlgTest : public DiaryDlgTest {
 protected:
  void OpenOnMarch() {
    Seed(Key(1, 2), "", u8"새해", u8"은혜");
    Seed(Key(3, 5), u8"봄날의 감사", u8"첫 줄\r\n둘째 줄", u8"기도");
    OpenOn(3, 5);
    // The prayer is changed on the screen: the export stores it first.
    Type(IDC_DIARY_PRAYER, u8"주님 뜻대로 \r\n\r\n  \t");
    DiaryObject().SetExportFileOpener(
        [this](const std::string& path, const std::string& directory) { m_opened.push_back(path + "|" + directory); });
  }
  void GivePath(const std::string& chosenPath, bool cancel = false) {
    DiaryObject().SetExportFileChooser([chosenPath, cancel](HWND, std::string& path) {
      path = chosenPath;
      return !cancel;
    });
  }
  void Export(std::vector<CModalAnswerer::Step> steps) {
    CModalAnswerer answers(std::move(steps));
    Click(Diary(), IDC_DIARY_SAVEFILE);
    EXPECT_TRUE(answers.Answered());
  }
  static std::string CurrentDirectory() {
    wchar_t dir[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, dir);
    return Narrow(dir);
  }
  std::vector<std::string> m_opened;
};

TEST_F(DiaryExportDlgTest, WritesTheShownEntryOrEveryEntryAndOpensTheFile) {
  const struct {
    int scope;
    const char* typed;
    const char* written;
    std::string bytes;
  } cases[] = {{0, "one", "one.txt", March(m_year)}, {1, "all.TXT", "all.TXT", January(m_year) + March(m_year)}};
  OpenOnMarch();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    m_opened.clear();
    GivePath(m_dir.ProgramDir() + c.typed);
    Export({Choose(c.scope)});
    const std::string path = m_dir.ProgramDir() + c.written;
    EXPECT_EQ(Cp949ToUtf8(TestFiles::Read(path)), c.bytes);
    EXPECT_EQ(m_opened, std::vector<std::string>{path + "|" + CurrentDirectory()});
  }
  EXPECT_FALSE(DiaryObject().IsModified());
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

TEST_F(DiaryExportDlgTest, CancellingEitherWindowStoresAndWritesNothing) {
  OpenOnMarch();
  const struct {
    const char* how;
    int scope;
    bool cancelFile;
  } cases[] = {{"choice", -1, false}, {"file dialog", 0, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    GivePath(m_dir.ProgramDir() + "cancelled", c.cancelFile);
    Export({Choose(c.scope)});
    EXPECT_FALSE(TestFiles::Exists(m_dir.ProgramDir() + "cancelled.txt"));
    EXPECT_EQ(Stored(Key(3, 5)).prayer, u8"기도");
    EXPECT_TRUE(DiaryObject().IsModified());
  }
  EXPECT_TRUE(m_opened.empty());
}

TEST_F(DiaryExportDlgTest, AFileThatCannotBeCreatedIsReportedAfterTheEntryIsStored) {
  OpenOnMarch();
  const std::string path = m_dir.ProgramDir() + "없는 폴더\\diary";
  GivePath(path);
  Export({Choose(0)});
  ASSERT_EQ(m_boxes.Boxes().size(), 1u);
  EXPECT_EQ(m_boxes.Boxes()[0].text, path + ".txt 파일을 생성하는데 실패하였습니다.");
  EXPECT_EQ(m_boxes.Boxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(Stored(Key(3, 5)).prayer, u8"주님 뜻대로 \r\n\r\n  \t");
  EXPECT_FALSE(TestFiles::Exists(path + ".txt"));
  EXPECT_TRUE(m_opened.empty());
}

TEST_F(DiaryExportDlgTest, TheCommonSaveDialogNamesTheFile) {
  OpenOnMarch();
  const std::string before = CurrentDirectory();
  const std::string folder = m_dir.ProgramDir() + "내보내기\\";
  std::filesystem::create_directory(TestFiles::FsPath(folder));
  const std::string typed = folder + "dialog";
  Export({Choose(0),
          {[](HWND window) { return WindowTextUtf8(window) != kChoiceCaption; },
           [typed](HWND dialog) {
             // The file name box: a combo box in newer dialogs, an edit field in older ones.
             HWND name = ::GetDlgItem(dialog, 0x47C);
             if (!name) name = ::GetDlgItem(dialog, 0x480);
             SetWindowTextUtf8(name, typed);
             ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                            reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
           }}});
  // The dialog may move the current folder to the file's (Windows does, Wine does not); the file is opened
  // from whichever it is.
  const std::string current = CurrentDirectory();
  ::SetCurrentDirectoryW(Widen(before).c_str());  // the test folder goes away afterwards
  EXPECT_EQ(Cp949ToUtf8(TestFiles::Read(typed + ".txt")), March(m_year));
  EXPECT_EQ(m_opened, std::vector<std::string>{typed + ".txt|" + current});
}

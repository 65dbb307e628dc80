// The system's folder picker and open dialog under Wine, as the settings window's backup part calls them:
// each opens where it is told and gives back what the user took.
#include <gtest/gtest.h>

#include "DiaryDlgFixture.h"
#include "core/TestFiles.h"
#include "ui/FilePickers.h"

namespace {

void PressOk(HWND dialog) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

TEST(FilePickersTest, TheFolderPickerOpensOnTheStartFolderAndGivesItBack) {
  TestFiles files;
  const std::string start = files.MakeSubDir(u8"일기 백업");
  CModalAnswerer answerer([](HWND) { return true; }, &PressOk);
  std::string chosen;
  ASSERT_TRUE(PickFolder(nullptr, u8"일기를 백업할 폴더를 고르십시오.", start, chosen));
  EXPECT_TRUE(answerer.Answered());
  EXPECT_EQ(chosen + "\\", start);
}

TEST(FilePickersTest, TheOpenDialogOpensInTheStartFolderAndGivesBackTheFileTaken) {
  TestFiles files;
  const std::string folder = files.MakeSubDir(u8"일기 백업");
  TestFiles::Write(folder + "memo-20260310.mdb", "x");
  CModalAnswerer answerer([](HWND) { return true; },
                          [](HWND dialog) {
                            // The file name box: a combo box in newer dialogs, an edit field in older ones.
                            HWND name = ::GetDlgItem(dialog, 0x47C);
                            if (!name) name = ::GetDlgItem(dialog, 0x480);
                            SetWindowTextUtf8(name, "memo-20260310.mdb");
                            PressOk(dialog);
                          });
  std::string path;
  const std::string before = [] {
    wchar_t current[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, current);
    return Narrow(current);
  }();
  ASSERT_TRUE(PickFileToOpen(nullptr, u8"일기 백업 (*.mdb)|*.mdb|", folder, path));
  EXPECT_TRUE(answerer.Answered());
  EXPECT_EQ(path, folder + "memo-20260310.mdb");
  wchar_t after[MAX_PATH] = L"";
  ::GetCurrentDirectoryW(MAX_PATH, after);
  EXPECT_EQ(Narrow(after), before) << "the current folder stays";
}

}  // namespace

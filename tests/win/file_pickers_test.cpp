// The system's folder picker under Wine, as the settings window's backup part calls it: it opens on the
// folder in use and gives back the folder the user took.
#include <gtest/gtest.h>

#include "DiaryDlgFixture.h"
#include "core/TestFiles.h"
#include "ui/FilePickers.h"

TEST(FilePickersTest, TheFolderPickerOpensOnTheStartFolderAndGivesItBack) {
  TestFiles files;
  const std::string start = files.MakeSubDir(u8"일기 백업");
  CModalAnswerer answerer([](HWND) { return true; },
                          [](HWND picker) {
                            ::PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                           reinterpret_cast<LPARAM>(::GetDlgItem(picker, IDOK)));
                          });
  std::string chosen;
  ASSERT_TRUE(PickFolder(nullptr, u8"일기를 백업할 폴더를 고르십시오.", start, chosen));
  EXPECT_TRUE(answerer.Answered());
  EXPECT_EQ(chosen + "\\", start);
}

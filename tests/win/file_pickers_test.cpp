// The system's folder picker under Wine, as the settings window's backup part calls it: it opens and gives
// back the folder the user took with OK.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "DiaryDlgFixture.h"
#include "core/TestFiles.h"
#include "ui/FilePickers.h"

namespace {

BOOL CALLBACK FindTree(HWND child, LPARAM found) {
  wchar_t name[32] = L"";
  ::GetClassNameW(child, name, 32);
  if (std::wstring(name) != L"SysTreeView32") return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// The name of the folder the picker's tree shows selected.
std::string SelectedFolder(HWND picker) {
  HWND tree = nullptr;
  ::EnumChildWindows(picker, &FindTree, reinterpret_cast<LPARAM>(&tree));
  wchar_t text[MAX_PATH] = L"";
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = tree ? reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)) : nullptr;
  item.pszText = text;
  item.cchTextMax = MAX_PATH;
  if (!item.hItem || !::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return "";
  return Narrow(text);
}

}  // namespace

// The picker is asked to open on the start folder; Wine now and then shows its first folder instead, so the
// test takes whatever folder is shown selected and expects that one back.
TEST(FilePickersTest, TheFolderPickerGivesBackTheFolderTakenWithOk) {
  TestFiles files;
  const std::string start = files.MakeSubDir(u8"일기 백업");
  std::string shown;
  CModalAnswerer answerer([](HWND picker) { return !SelectedFolder(picker).empty(); },
                          [&shown](HWND picker) {
                            shown = SelectedFolder(picker);
                            ::PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                           reinterpret_cast<LPARAM>(::GetDlgItem(picker, IDOK)));
                          });
  std::string chosen;
  ASSERT_TRUE(PickFolder(nullptr, u8"일기를 백업할 폴더를 고르십시오.", start, chosen));
  EXPECT_TRUE(answerer.Answered());
  EXPECT_EQ(chosen.substr(chosen.find_last_of('\\') + 1), shown) << chosen;
  if (chosen + "\\" != start) std::printf("the picker showed %s, not the start folder\n", chosen.c_str());
}

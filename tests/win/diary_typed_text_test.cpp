// Text that code page 949 cannot hold, typed into the diary as a person's typing arrives (WM_CHAR, one
// UTF-16 unit at a time, a surrogate pair as its two halves): it is stored byte for byte, found by the
// search with the hit selected on the right characters, shown again after a change of date, and exported
// without loss.
#include <sqlite3.h>

#include "DiaryDlgFixture.h"
#include "Screenshot.h"
#include "core/TestFiles.h"
#include "diary/DiaryTable.h"

namespace {

struct Typed {
  const char* name;
  const char* text;
};
const Typed kTyped[] = {
    {"emoji U+1F64F", "\xF0\x9F\x99\x8F"},
    {"old Hangul with U+119E", "\xE1\x84\x92\xE1\x86\x9E\xE1\x86\xAB"},
    {"CJK Extension A U+3400", "\xE3\x90\x80"},
    {"Latin", "Ærøskøbing"},
    {"Cyrillic", "Москва"},
};

// The meditation as typed: each text after a Korean word, so that every hit lies behind other characters.
std::string Meditation() {
  std::string text = u8"묵상";
  for (const Typed& typed : kTyped) text += std::string(" ") + typed.text;
  return text + u8" 끝";
}

}  // namespace

class DiaryTypedTextTest : public DiaryDlgTest {
 protected:
  // Types into a field by WM_CHAR, posted one UTF-16 unit at a time to the focused control.
  void TypeUnits(int id, const std::string& utf8) {
    HWND edit = DiaryItem(id);
    ::SetFocus(edit);
    for (wchar_t unit : Widen(utf8)) ::PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(unit), 1);
    Settle();
  }
  // The stored bytes of a field, read over SQLite's own connection, not the program's.
  std::string RawStored(const std::string& key, const char* column) const {
    sqlite3* db = nullptr;
    std::string bytes = "(not found)";
    if (sqlite3_open_v2((m_dir.ProgramDir() + "memo.mdb").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
      const std::string sql =
          std::string("SELECT ") + column + " FROM " + diary_table::kTable + " WHERE " + diary_table::kKeyDate + " = ?";
      sqlite3_stmt* statement = nullptr;
      if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(statement, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(statement) == SQLITE_ROW)
          bytes.assign(static_cast<const char*>(sqlite3_column_blob(statement, 0)),
                       static_cast<size_t>(sqlite3_column_bytes(statement, 0)));
      }
      sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return bytes;
  }
};

TEST_F(DiaryTypedTextTest, TextOutsideCodePage949IsStoredFoundShownAgainAndExported) {
  OpenOn(5, 5);
  TypeUnits(IDC_DIARY_TITLE, kTyped[0].text);
  TypeUnits(IDC_DIARY_MEDITATION, Meditation());
  ASSERT_EQ(Fields()[1], Meditation());

  // A picture of both windows with the emoji typed, left in the build folder for people to look at.
  for (HWND window : {Hwnd(), Diary()}) {
    CScreenshot shot(window);
    shot.SaveBmp(ProgramFolder() + (window == Hwnd() ? "typed-reading.bmp" : "typed-diary.bmp"));
  }

  // A change of date stores the entry: the file holds the very UTF-8 bytes, and the way back shows them.
  PickDiaryDate(5, 6);
  EXPECT_EQ(RawStored(Key(5, 5), diary_table::kTitle), kTyped[0].text);
  EXPECT_EQ(RawStored(Key(5, 5), diary_table::kMeditation), Meditation());
  EXPECT_EQ(Fields()[1], "");
  PickDiaryDate(5, 5);
  EXPECT_EQ(Fields()[0], kTyped[0].text);
  EXPECT_EQ(Fields()[1], Meditation());

  // Each text is found, and the hit is selected on its own characters: the control's UTF-16 positions.
  PickDiaryDate(5, 6);
  Click(Diary(), IDC_DIARY_FIND);
  ASSERT_NE(Find(), nullptr);
  const std::string meditation = Meditation();
  for (const Typed& typed : kTyped) {
    SCOPED_TRACE(typed.name);
    SearchFor(typed.text, false, true, false);
    ASSERT_EQ(ListedDates(), std::vector<std::string>{ListDate(5, 5)});
    DoubleClickResult(0);
    EXPECT_EQ(DiaryKey(), Key(5, 5));
    const size_t start = Widen(meditation.substr(0, meditation.find(typed.text))).size();
    EXPECT_EQ(Selection(IDC_DIARY_MEDITATION),
              std::make_pair(static_cast<DWORD>(start), static_cast<DWORD>(start + Widen(typed.text).size())));
    EXPECT_EQ(Selected(IDC_DIARY_MEDITATION), typed.text);
    if (&typed == &kTyped[0]) CScreenshot(Diary()).SaveBmp(ProgramFolder() + "typed-search-hit.bmp");
  }
  Click(Find(), IDCANCEL);

  // The export keeps every character: UTF-8 with a byte order mark, in the usual layout with CR LF.
  std::vector<std::string> opened;
  DiaryObject().SetExportFileOpener([&opened](const std::string& path, const std::string&) { opened.push_back(path); });
  const std::string path = m_dir.ProgramDir() + "typed.txt";
  DiaryObject().SetExportFileChooser([path](HWND, std::string& chosen) {
    chosen = path;
    return true;
  });
  CModalAnswerer answers(CModalAnswerer::Caption(u8"파일로 저장"), [](HWND choice) {
    ::CheckRadioButton(choice, IDC_SAVE_CURRENT, IDC_SAVE_ALL, IDC_SAVE_CURRENT);
    ::SendMessageW(choice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  Click(Diary(), IDC_DIARY_SAVEFILE);
  ASSERT_TRUE(answers.Answered());
  EXPECT_EQ(opened, std::vector<std::string>{path});
  EXPECT_EQ(TestFiles::Read(path), "\xEF\xBB\xBF" + std::string(u8"날짜 : ") + std::to_string(m_year) +
                                       u8"년  5월  5일\r\n\r\n제목 : " + kTyped[0].text + u8"\r\n\r\n묵상 : " +
                                       Meditation() + u8"\r\n\r\n기도 : \r\n\r\n\r\n\r\n");
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}

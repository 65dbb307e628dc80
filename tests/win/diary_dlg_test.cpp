// The diary window beside the reading window: loading, storing on a change of date and on every way of
// closing, deleting, the date sync in both directions, and F1.
#include "DiaryDlgFixture.h"
#include "Screenshot.h"
#include "core/DbTestData.h"

#include <memory>
#include <utility>

namespace {

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(DiaryDlgTest, OpensWithTheDatesEntryOrEmptyFieldsAndTheDeleteButtonToMatch) {
  Seed(Key(3, 5), u8"봄날의 감사", u8"묵상 한 줄\r\n둘째 줄", u8"기도");
  const struct {
    int day;
    Texts fields;
    bool deleteEnabled;
  } cases[] = {{5, {u8"봄날의 감사", u8"묵상 한 줄\r\n둘째 줄", u8"기도"}, true}, {6, {"", "", ""}, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.day);
    OpenOn(3, c.day);
    EXPECT_EQ(Fields(), c.fields);
    EXPECT_EQ(::IsWindowEnabled(DiaryItem(IDC_DIARY_DELETE)) != FALSE, c.deleteEnabled);
    EXPECT_EQ(DiaryKey(), Key(3, c.day));
    EXPECT_FALSE(DiaryObject().IsModified());
    // Beside the reading window, with its picker held to the plan's years.
    EXPECT_TRUE((Face() == DiaryFace::kOpen));
    EXPECT_EQ(DiaryFace::kOpen, Face());
    SYSTEMTIME range[2] = {};
    ::SendMessageW(DiaryItem(IDC_DIARY_DATE), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
    EXPECT_EQ(range[0].wYear, m_year);
    EXPECT_EQ(range[1].wYear, m_year);
    EXPECT_EQ(range[1].wMonth, 12);
    EXPECT_EQ(range[1].wDay, 31);
    m_dlg.reset();
  }
}

TEST_F(DiaryDlgTest, ADateChangeStoresTypedFieldsUnderTheOldDateAndTheReadingWindowFollows) {
  Seed(Key(3, 7), u8"이미 쓴 제목", "", "");
  OpenOn(3, 5);
  Type(IDC_DIARY_MEDITATION, u8"오늘의 묵상");
  PickDiaryDate(3, 7);
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();  // stored without asking
  EXPECT_EQ(Stored(Key(3, 5)), (StoredEntry{true, "", u8"오늘의 묵상", ""}));
  EXPECT_EQ(Fields(), (Texts{u8"이미 쓴 제목", "", ""}));
  EXPECT_EQ(ReadingKey(), Key(3, 7));

  // Moving on without typing stores nothing, neither the loaded date nor the empty one after i
  PickDiaryDate(3, 8);
  PickDiaryDate(3, 9);
  EXPECT_EQ(Stored(Key(3, 7)), (StoredEntry{true, u8"이미 쓴 제목", "", ""}));
  EXPECT_FALSE(Stored(Key(3, 8)).found);
  EXPECT_EQ(ReadingKey(), Key(3, 9));
  EXPECT_TRUE(m_dlg->Session().HasEntry({m_year, 3, 5}));
}

TEST_F(DiaryDlgTest, TheReadingWindowsDateChangeMovesTheDiaryAndStoresItsTypedFields) {
  OpenOn(3, 5);
  Type(IDC_DIARY_TITLE, u8"제목을 쓰고");
  PickDate(m_year, 3, 10);
  EXPECT_EQ(DiaryKey(), Key(3, 10));
  EXPECT_EQ(Stored(Key(3, 5)), (StoredEntry{true, u8"제목을 쓰고", "", ""}));
  EXPECT_EQ(Fields(), (Texts{"", "", ""}));
  ClickReading(IDC_NEXT_DAY);
  EXPECT_EQ(DiaryKey(), Key(3, 11));
  EXPECT_EQ(GetPickerTime(DiaryItem(IDC_DIARY_DATE)).wDay, 11);
}

TEST_F(DiaryDlgTest, TheSearchButtonStoresFirstAndOpensTheSearchWindowOnce) {
  OpenOn(3, 5);
  Click(Diary(), IDC_DIARY_FIND);
  // Even untouched fields are stored: the date now has an entry of three marks.
  EXPECT_EQ(Stored(Key(3, 5)), (StoredEntry{true, "", "", ""}));
  ASSERT_TRUE(Find() && ::IsWindowVisible(Find()));
  HWND first = Find();
  Click(Diary(), IDC_DIARY_FIND);
  EXPECT_EQ(Find(), first);
  Click(Find(), IDCANCEL);
  EXPECT_EQ(Find(), nullptr);
}

TEST_F(DiaryDlgTest, DeleteAskedYesRemovesTheEntryAndNoKeepsIt) {
  const struct {
    int answer;
    bool kept;
  } cases[] = {{IDNO, true}, {IDYES, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    Seed(Key(4, 1), u8"지울 제목", "m", "p");
    OpenOn(4, 1);
    {
      CMessageBoxRecorder answers(c.answer);
      Click(Diary(), IDC_DIARY_DELETE);
      ASSERT_EQ(answers.Boxes().size(), 1u);
      EXPECT_EQ(answers.Boxes()[0].text, u8"이 날짜의 기도노트를 영구히 삭제하시겠습니까?");
      EXPECT_EQ(answers.Boxes()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(Stored(Key(4, 1)).found, c.kept);
    EXPECT_EQ(Fields()[0], c.kept ? u8"지울 제목" : "");
    EXPECT_EQ(::IsWindowEnabled(DiaryItem(IDC_DIARY_DELETE)) != FALSE, c.kept);
    // Closing after a deletion stores no empty entry in its place.
    ClickReading(IDC_DIARY_BUTTON);
    EXPECT_EQ(Stored(Key(4, 1)).found, c.kept);
    m_dlg.reset();
  }
}

TEST_F(DiaryDlgTest, TypedTextIsStoredOnEveryWayTheDiaryCloses) {
  const struct {
    const char* way;
    std::function<void()> close;
  } ways[] = {
      {"닫 기", [this] { Click(Diary(), IDCANCEL); }},
      {"Esc", [this] { PressKey(DiaryItem(IDC_DIARY_MEDITATION), VK_ESCAPE); }},
      {"Enter in the title", [this] { PressKey(DiaryItem(IDC_DIARY_TITLE), VK_RETURN); }},
      {"close box",
       [this] {
         ::SendMessageW(Diary(), WM_SYSCOMMAND, SC_CLOSE, 0);
         Settle();
       }},
      {"diary button", [this] { ClickReading(IDC_DIARY_BUTTON); }},
      {"reading window closes", [this] { m_dlg.reset(); }},
      {"session ends", [this] { ::SendMessageW(Diary(), WM_ENDSESSION, TRUE, 0); }},
      {"the shell at session end", [this] { m_dlg->StoreDiaryChanges(); }},
  };
  int day = 1;
  for (const auto& way : ways) {
    SCOPED_TRACE(way.way);
    OpenOn(5, day);
    Type(IDC_DIARY_TITLE, u8"닫기 전에");
    Type(IDC_DIARY_PRAYER, u8"잃지 않는 기도");
    way.close();
    EXPECT_EQ(Stored(Key(5, day)), (StoredEntry{true, u8"닫기 전에", "", u8"잃지 않는 기도"}));
    if (m_dlg) {
      EXPECT_EQ((Face() == DiaryFace::kOpen), ::IsWindow(Diary()) != FALSE);
    }
    m_dlg.reset();
    ++day;
  }
}

TEST_F(DiaryDlgTest, F1InTheDiaryAndItsSearchWindowAsksTheMainWindowForHelp) {
  struct CommandSink {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
      if (msg == WM_COMMAND) Commands().push_back(wParam);
      return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    static std::vector<WPARAM>& Commands() {
      static std::vector<WPARAM> commands;
      return commands;
    }
  };
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &CommandSink::Proc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = "VesperalDiaryHelpSink";
  ::RegisterClassA(&windowClass);
  HWND main = ::CreateWindowA("VesperalDiaryHelpSink", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  WriteThisYear({});
  m_mainWindow = main;
  Open();
  ClickReading(IDC_DIARY_BUTTON);
  PressKey(DiaryItem(IDC_DIARY_TITLE), VK_F1);
  Click(Diary(), IDC_DIARY_FIND);
  PressKey(FindItem(IDC_FIND_TEXT), VK_F1);
  EXPECT_EQ(CommandSink::Commands(), (std::vector<WPARAM>{ID_HELP_OPEN, ID_HELP_OPEN}));
  // Owned by the main window, not by the reading window.
  EXPECT_EQ(::GetWindow(Diary(), GW_OWNER), main);
  m_dlg.reset();
  ::DestroyWindow(main);
}

TEST_F(DiaryDlgTest, ADiaryThatCannotStoreWhatWasTypedStaysOpenWithIt) {
  OpenOn(5, 20);
  Type(IDC_DIARY_MEDITATION, u8"지켜야 할 묵상");
  // Another program takes the table away: the store fails with an engine error.
  const std::string dbPath = m_dir.ProgramDir() + "memo.mdb";
  dbtest::RawExec(dbPath, "ALTER TABLE VESPERAL RENAME TO AWAY");
  // Closing asks whether to give the text up; anything but yes keeps it.
  Click(Diary(), IDCANCEL);
  ASSERT_EQ(m_boxes.Boxes().size(), 1u);
  EXPECT_EQ(m_boxes.Boxes()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  ASSERT_TRUE(::IsWindow(Diary()));
  EXPECT_TRUE((Face() == DiaryFace::kOpen));
  EXPECT_EQ(Fields()[1], u8"지켜야 할 묵상");

  // Once the table is back, closing stores and closes.
  dbtest::RawExec(dbPath, "ALTER TABLE AWAY RENAME TO VESPERAL");
  Click(Diary(), IDCANCEL);
  EXPECT_FALSE((Face() == DiaryFace::kOpen));
  EXPECT_EQ(Stored(Key(5, 20)).meditation, u8"지켜야 할 묵상");
}

// The fields and the picker are drawn as they are after a change of date: the diary sets only the fields
// that differ, each with its drawing suspended, and each must be painted again afterwards.
TEST_F(DiaryDlgTest, AChangeOfDatePaintsEveryFieldThatChanged) {
  Seed(Key(3, 5), u8"봄날의 감사", u8"묵상 한 줄", u8"기도");
  Seed(Key(3, 7), u8"제목만", "", "");
  OpenOn(3, 6);
  // A control's client area as it is on the screen.
  auto PictureOf = [](HWND control, RECT& client) {
    ::GetClientRect(control, &client);
    auto picture = std::make_unique<CPixelSurface>(client.right, client.bottom, RGB(0, 0, 0));
    HDC source = ::GetDC(control);
    ::BitBlt(picture->Dc(), 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    ::ReleaseDC(control, source);
    return picture;
  };
  std::unique_ptr<CPixelSurface> previousPicker;
  const struct {
    int day;
    bool inked[3];  // title, meditation, prayer
  } cases[] = {{5, {true, true, true}}, {6, {false, false, false}}, {7, {true, false, false}}, {5, {true, true, true}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.day);
    PickDiaryDate(3, c.day);
    ::Sleep(50);
    Settle();
    const int ids[] = {IDC_DIARY_TITLE, IDC_DIARY_MEDITATION, IDC_DIARY_PRAYER};
    for (int i = 0; i < 3; ++i) {
      RECT client;
      const auto shown = PictureOf(DiaryItem(ids[i]), client);
      EXPECT_EQ(c.inked[i], shown->CountInk(client) > 0) << "field " << i;
    }
    // Every step shows another date in the picker.
    RECT pickerArea;
    auto picker = PictureOf(DiaryItem(IDC_DIARY_DATE), pickerArea);
    if (previousPicker) {
      int differing = 0;
      for (int y = 0; y < pickerArea.bottom; ++y)
        for (int x = 0; x < pickerArea.right; ++x) differing += picker->Pixel(x, y) != previousPicker->Pixel(x, y);
      EXPECT_GT(differing, 0);
    }
    previousPicker = std::move(picker);
  }
  // The window as the user sees it: its own surface, then each control's on top where it stands.
  CScreenshot picture(Diary());
  for (HWND child = ::GetWindow(Diary(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT place;
    ::GetClientRect(child, &place);
    ::MapWindowPoints(child, Diary(), reinterpret_cast<POINT*>(&place), 2);
    HDC source = ::GetDC(child);
    ::BitBlt(picture.Dc(), place.left, place.top, place.right - place.left, place.bottom - place.top, source, 0, 0,
             SRCCOPY);
    ::ReleaseDC(child, source);
  }
  EXPECT_TRUE(picture.SaveBmp(ProgramFolder() + "diary-date-change.bmp"));
}

// The page's text size in the real reading window: Ctrl with the keys anywhere but the date picker, Ctrl with
// the wheel over the page, the size kept in Vesperal.ini for the next window. Screenshots at 9, 14 and 24 pt are
// left in the build folder as reading-text-*.bmp.
#include "ReadingDlgFixture.h"
#include "Screenshot.h"
#include "habit/SettingsFile.h"

namespace {

class ReadingTextSizeTest : public ReadingDlgTest {
 protected:
  void OpenOnKoreanDay() {
    const std::vector<std::string> bodies(
        30,
        u8"태초에 하나님이 천지를 창조하시니라. 땅이 혼돈하고 공허하며 흑암이 깊음 위에 있고 "
        u8"하나님의 영은 수면 위에 운행하시니라.");
    WritePlan(m_year, {{3, 7, u8"창세기 1:1-5", bodies}});
    Open();
    PickDate(m_year, 3, 7);
  }
  int StoredSize() const { return ReadSettingsFile(m_dir.ProgramDir()).textSize; }
  HWND Page() const { return Item(IDC_READING_PAGE); }

  // The key pressed with Ctrl held.
  void PressCtrlKey(HWND target, WPARAM key) {
    BYTE state[256];
    ::GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    ::SetKeyboardState(state);
    PressKey(target, key);
    state[VK_CONTROL] = 0;
    ::SetKeyboardState(state);
  }
  // The wheel turned `notches` away from the user over the middle of `over`, as the page would get it.
  void TurnWheel(int notches, HWND over, bool ctrl = true) {
    RECT place;
    ::GetWindowRect(over, &place);
    ::PostMessageW(Page(), WM_MOUSEWHEEL, MAKEWPARAM(ctrl ? MK_CONTROL : 0, notches * WHEEL_DELTA),
                   MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2));
    Settle();
  }

  // Where the page is painted: the header's rule (its first black pixel from the top, right of any header
  // text) and the date column's right edge (its first pixel that is not grey, under every date).
  struct Painted {
    int rule = -1, columnRight = -1;
  };
  Painted Shot(const char* name) const {
    CScreenshot shot(Hwnd());
    shot.SaveBmp(ProgramFolder() + name);
    Painted painted;
    for (int y = 16; y < shot.Height() && painted.rule < 0; ++y)
      if (shot.Pixel(shot.Width() - 40, y) == RGB(0, 0, 0)) painted.rule = y;
    for (int x = 16; x < shot.Width() && painted.columnRight < 0; ++x)
      if (shot.Pixel(x, shot.Height() - 60) != RGB(128, 128, 128)) painted.columnRight = x;
    return painted;
  }
  // The first verse after a Page Down from the first.
  int PageDownFromTheTop() {
    Scroll(SB_THUMBPOSITION, 0);
    PressKey(Item(IDC_NEXT_DAY), VK_NEXT);
    return ::GetScrollPos(Item(IDC_READING_SCROLL), SB_CTL);
  }
};

}  // namespace

TEST_F(ReadingTextSizeTest, CtrlKeysAndTheWheelOverThePageChangeTheSizeAndTheNextWindowKeepsIt) {
  OpenOnKoreanDay();
  EXPECT_EQ(StoredSize(), 9);
  const Painted nine = Shot("reading-text-9.bmp");
  const int pageDownAtNine = PageDownFromTheTop();

  const HWND button = Item(IDC_NEXT_DAY);
  {
    CKeyCounter keys(button);
    PressCtrlKey(button, VK_OEM_PLUS);
    EXPECT_EQ(keys.Keys(), 0) << "the key is the page's";
  }
  EXPECT_EQ(StoredSize(), 10);
  TurnWheel(3, Page());
  EXPECT_EQ(StoredSize(), 14);
  // Not the wheel beside the page, nor without Ctrl, nor the keys while the date picker has the focus.
  TurnWheel(1, Item(IDOK));
  TurnWheel(1, Page(), false);
  const HWND picker = Item(IDC_READING_DATE);
  {
    CKeyCounter keys(picker);
    PressCtrlKey(picker, VK_OEM_MINUS);
    EXPECT_EQ(keys.Keys(), 1) << "the picker's key";
  }
  EXPECT_EQ(StoredSize(), 14);
  const Painted fourteen = Shot("reading-text-14.bmp");
  EXPECT_GT(fourteen.rule, nine.rule);
  EXPECT_GT(fourteen.columnRight, nine.columnRight);

  TurnWheel(10, Page());
  EXPECT_EQ(StoredSize(), 24);
  const Painted twentyFour = Shot("reading-text-24.bmp");
  EXPECT_GT(twentyFour.rule, fourteen.rule);
  EXPECT_GT(twentyFour.columnRight, fourteen.columnRight);
  EXPECT_LT(PageDownFromTheTop(), pageDownAtNine) << "a page of larger text holds fewer verses";

  // The next window opens at the kept size; Ctrl+0 comes back to the window's font.
  m_dlg.reset();
  Open();
  PickDate(m_year, 3, 7);
  EXPECT_EQ(Shot("reading-text-24-again.bmp").rule, twentyFour.rule);
  PressCtrlKey(Item(IDC_NEXT_DAY), '0');
  EXPECT_EQ(StoredSize(), 9);
  const Painted reset = Shot("reading-text-reset.bmp");
  EXPECT_EQ(reset.rule, nine.rule);
  EXPECT_EQ(reset.columnRight, nine.columnRight);
}

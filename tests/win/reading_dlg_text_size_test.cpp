// The page's text size in the real reading window: Ctrl with the keys anywhere but the date picker, Ctrl with
// the wheel over the page, the size kept for the next window. Screenshots at 9, 14 and 24 pt are left in the build
// folder as reading-text-*.bmp.
#include "ReadingDlgFixture.h"
#include "Screenshot.h"
#include "habit/SettingsFile.h"

namespace {

class ReadingTextSizeTest : public ReadingDlgTest {
 protected:
  void OpenOnKoreanDay() {
    WritePlan(m_year, {{3, 7, u8"창세기 1:1-5",
                        std::vector<std::string>(30,
                                                 u8"태초에 하나님이 천지를 창조하시니라. 땅이 "
                                                 u8"혼돈하고 공허하며 흑암이 깊음 위에 있고")}});
    Open();
    PickDate(m_year, 3, 7);
  }
  int Kept() const { return ReadSettingsFile(m_dir.ProgramDir()).textSize; }
  void PressCtrlKey(HWND target, WPARAM key) {
    BYTE state[256];
    ::GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    ::SetKeyboardState(state);
    PressKey(target, key);
    state[VK_CONTROL] = 0;
    ::SetKeyboardState(state);
  }
  // The wheel turned over the middle of `over`, as the page would get it.
  void TurnWheel(int notches, HWND over, WPARAM keys = MK_CONTROL) {
    RECT place;
    ::GetWindowRect(over, &place);
    ::PostMessageW(Item(IDC_READING_PAGE), WM_MOUSEWHEEL, MAKEWPARAM(keys, notches * WHEEL_DELTA),
                   MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2));
    Settle();
  }
  // The header's rule as painted: its first black pixel from the top, right of the header's texts.
  int HeaderRule(const char* shotName) const {
    CScreenshot shot(Hwnd());
    shot.SaveBmp(ProgramFolder() + shotName);
    for (int y = 16; y < shot.Height(); ++y)
      if (shot.Pixel(shot.Width() - 40, y) == RGB(0, 0, 0)) return y;
    return -1;
  }
  int PageDownFromTheTop() {
    Scroll(SB_THUMBPOSITION, 0);
    PressKey(Item(IDC_NEXT_DAY), VK_NEXT);
    return ::GetScrollPos(Item(IDC_READING_SCROLL), SB_CTL);
  }
};

}  // namespace

TEST_F(ReadingTextSizeTest, CtrlKeysAndTheWheelOverThePageChangeTheSizeAndTheNextWindowKeepsIt) {
  OpenOnKoreanDay();
  const int ruleAtNine = HeaderRule("reading-text-9.bmp"), pageDownAtNine = PageDownFromTheTop();
  {
    CKeyCounter keys(Item(IDC_NEXT_DAY));
    PressCtrlKey(Item(IDC_NEXT_DAY), VK_OEM_PLUS);
    EXPECT_EQ(keys.Keys(), 0) << "the page's key";
  }
  EXPECT_EQ(Kept(), 10);
  TurnWheel(3, Item(IDC_READING_PAGE));
  // Not the wheel beside the page, nor without Ctrl, nor the keys while the date picker has the focus.
  TurnWheel(1, Item(IDOK));
  TurnWheel(1, Item(IDC_READING_PAGE), 0);
  {
    CKeyCounter keys(Item(IDC_READING_DATE));
    PressCtrlKey(Item(IDC_READING_DATE), VK_OEM_MINUS);
    EXPECT_EQ(keys.Keys(), 1);
  }
  EXPECT_EQ(Kept(), 14);
  const int ruleAtFourteen = HeaderRule("reading-text-14.bmp");
  EXPECT_GT(ruleAtFourteen, ruleAtNine);
  TurnWheel(10, Item(IDC_READING_PAGE));
  EXPECT_EQ(Kept(), 24);
  const int ruleAtTwentyFour = HeaderRule("reading-text-24.bmp");
  EXPECT_GT(ruleAtTwentyFour, ruleAtFourteen);
  EXPECT_LT(PageDownFromTheTop(), pageDownAtNine) << "a page of larger text holds fewer verses";

  m_dlg.reset();
  Open();
  PickDate(m_year, 3, 7);
  EXPECT_EQ(HeaderRule("reading-text-24-again.bmp"), ruleAtTwentyFour);
  PressCtrlKey(Item(IDC_NEXT_DAY), '0');
  EXPECT_EQ(Kept(), 9);
  EXPECT_EQ(HeaderRule("reading-text-reset.bmp"), ruleAtNine);
}

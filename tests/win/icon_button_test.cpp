// Icon buttons hosted in a real dialog, driven by messages and drawn through the button's own painting
// (WM_PRINTCLIENT -> WM_DRAWITEM at the dialog -> reflected to the button).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#include "WinTestSupport.h"
#include "ui/DialogBase.h"
#include "controls/IconButton.h"

namespace {

constexpr int kIconOnlyId = 4;
constexpr int kCaptionId = 5;
constexpr COLORREF kHoverColour = RGB(220, 0, 0);
constexpr COLORREF kNormalColour = RGB(0, 0, 200);

class CButtonHost : public CDialogBase {
 public:
  CButtonHost() : CDialogBase(MakeTemplate()) {}
  CIconButton m_iconOnly;
  CIconButton m_withCaption;
  std::vector<WORD> m_clicked;  // ids of the buttons that reported a click

 protected:
  bool OnCommand(WORD id, WORD code, HWND control) override {
    if (code == BN_CLICKED && (id == kIconOnlyId || id == kCaptionId)) {
      m_clicked.push_back(id);
      return true;
    }
    return CDialogBase::OnCommand(id, code, control);
  }
  BOOL OnInitDialog() override {
    m_iconOnly.SubclassDlgItem(kIconOnlyId, m_hWnd);
    m_withCaption.SubclassDlgItem(kCaptionId, m_hWnd);
    // The reading window's button size, in pixels.
    ::MoveWindow(m_iconOnly.GetSafeHwnd(), 10, 10, 35, 30, TRUE);
    ::MoveWindow(m_withCaption.GetSafeHwnd(), 60, 10, 120, 30, TRUE);
    return TRUE;
  }

 private:
  static const DLGTEMPLATE* MakeTemplate() {
    static CTestDialogTemplate dialog = [] {
      CTestDialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 200, 80);
      t.AddButton(kIconOnlyId, L"");
      t.AddButton(kCaptionId, L"&Go");
      return t;
    }();
    return dialog.Get();
  }
};

class IconButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.Create());
    ::SetForegroundWindow(m_host.GetSafeHwnd());
    ::SetActiveWindow(m_host.GetSafeHwnd());
    PumpMessages();
    m_button = m_host.m_iconOnly.GetSafeHwnd();
    m_face = ::GetSysColor(COLOR_BTNFACE);
    m_light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_shadow = ::GetSysColor(COLOR_BTNSHADOW);
    ASSERT_NE(m_face, m_light);
    ASSERT_NE(m_face, m_shadow);
    m_host.m_iconOnly.SetIconPair(MakeSolidIcon(kHoverColour), MakeSolidIcon(kNormalColour), 32, 32);
  }
  void TearDown() override {
    ::ReleaseCapture();
    m_host.DestroyWindow();
  }

  void MoveMouse(HWND button, int x, int y, WPARAM flags = 0) {
    ::SendMessageW(button, WM_MOUSEMOVE, flags, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }

  // Paints the button as the system would, into a surface of the button's size.
  std::unique_ptr<CPixelSurface> Render(HWND button) {
    RECT client;
    ::GetClientRect(button, &client);
    auto surface = std::make_unique<CPixelSurface>(client.right, client.bottom, RGB(1, 2, 3));
    ::SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface->Dc()), PRF_CLIENT);
    return surface;
  }

  CButtonHost m_host;
  HWND m_button = nullptr;
  COLORREF m_face = 0, m_light = 0, m_shadow = 0;
};

TEST_F(IconButtonTest, AttachingMakesThePushButtonOwnerDrawnAndIdle) {
  EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), ::GetWindowLongW(m_button, GWL_STYLE) & BS_TYPEMASK);
  EXPECT_FALSE(m_host.m_iconOnly.IsMouseOver());
  CIconButton second;
  EXPECT_FALSE(second.AttachButton(m_button)) << "a button is bound to one object only";
  EXPECT_FALSE(second.SubclassDlgItem(999, m_host.GetSafeHwnd()));
}

TEST_F(IconButtonTest, AButtonWhoseMakerKeepsDataInItIsBoundAndKeepsTheData) {
  HWND window = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 35, 30,
                                  m_host.GetSafeHwnd(), nullptr, nullptr, nullptr);
  ::SetWindowLongPtrW(window, GWLP_USERDATA, 0x5A5A);
  {
    CIconButton button;
    ASSERT_TRUE(button.AttachButton(window));
    EXPECT_EQ(0x5A5A, ::GetWindowLongPtrW(window, GWLP_USERDATA));
    // Messages reach the icon button through its subclass: a pointer over it makes it hover.
    MoveMouse(window, 5, 5);
    EXPECT_TRUE(button.IsMouseOver());
    ::ReleaseCapture();
  }
  EXPECT_FALSE(::IsWindow(window));
}

TEST_F(IconButtonTest, IdleButtonShowsNormalIconCentredWithTopRowClipped) {
  auto s = Render(m_button);
  // 32 by 32 in 35 by 30: left offset 1, top offset -1, so the icon fills every row.
  EXPECT_EQ(m_face, s->Pixel(0, 15));
  EXPECT_EQ(kNormalColour, s->Pixel(1, 0));
  EXPECT_EQ(kNormalColour, s->Pixel(32, 29));
  EXPECT_EQ(m_face, s->Pixel(33, 15));
  EXPECT_EQ(m_face, s->Pixel(34, 15));
  EXPECT_EQ(0, s->Count({0, 0, 35, 30}, kHoverColour));
}

TEST_F(IconButtonTest, HoverTakesCaptureShowsHoverIconAndRaisedFrameThenLeaves) {
  ::ValidateRect(m_button, nullptr);
  MoveMouse(m_button, 5, 5);
  EXPECT_TRUE(m_host.m_iconOnly.IsMouseOver());
  EXPECT_EQ(m_button, ::GetCapture());
  EXPECT_TRUE(::GetUpdateRect(m_button, nullptr, FALSE)) << "entering repaints";

  auto s = Render(m_button);
  EXPECT_EQ(kHoverColour, s->Pixel(1, 15));
  EXPECT_EQ(m_light, s->Pixel(0, 15)) << "left edge of a raised frame";
  EXPECT_EQ(m_shadow, s->Pixel(34, 15)) << "right edge of a raised frame";
  EXPECT_EQ(m_shadow, s->Pixel(0, 29)) << "bottom stroke starts at the left";
  EXPECT_EQ(m_shadow, s->Pixel(34, 0)) << "right stroke runs up to the top row";

  // Moves inside keep the hover; a move to a negative coordinate is outside.
  MoveMouse(m_button, 30, 25);
  EXPECT_TRUE(m_host.m_iconOnly.IsMouseOver());
  ::ValidateRect(m_button, nullptr);
  MoveMouse(m_button, -3, 10);
  EXPECT_FALSE(m_host.m_iconOnly.IsMouseOver());
  EXPECT_TRUE(::GetUpdateRect(m_button, nullptr, FALSE)) << "leaving repaints";
  EXPECT_EQ(nullptr, ::GetCapture());
  EXPECT_EQ(kNormalColour, Render(m_button)->Pixel(1, 15));
}

TEST_F(IconButtonTest, PressedShowsHoverIconOnePixelDownRightInSunkenFrame) {
  ::SendMessageW(m_button, BM_SETSTATE, TRUE, 0);
  auto s = Render(m_button);
  EXPECT_EQ(m_face, s->Pixel(1, 15)) << "the icon moved right by one";
  EXPECT_EQ(kHoverColour, s->Pixel(2, 0));
  EXPECT_EQ(kHoverColour, s->Pixel(33, 15));
  EXPECT_EQ(m_shadow, s->Pixel(0, 15)) << "left edge of a sunken frame";
  EXPECT_EQ(m_light, s->Pixel(34, 15)) << "right edge of a sunken frame";

  m_host.m_iconOnly.SetHoverFrame(false);
  s = Render(m_button);
  EXPECT_EQ(m_face, s->Pixel(0, 15));
  EXPECT_EQ(m_face, s->Pixel(34, 15));
  EXPECT_EQ(kHoverColour, s->Pixel(33, 15));
}

TEST_F(IconButtonTest, WithoutHoverFrameAHoveredButtonHasNoFrame) {
  m_host.m_iconOnly.SetHoverFrame(false);
  MoveMouse(m_button, 5, 5);
  auto s = Render(m_button);
  EXPECT_EQ(kHoverColour, s->Pixel(1, 15));
  EXPECT_EQ(m_face, s->Pixel(0, 15));
  EXPECT_EQ(m_face, s->Pixel(34, 15));
  EXPECT_EQ(m_face, s->Pixel(33, 29));
}

TEST_F(IconButtonTest, LeftButtonHeldDragInDoesNotHoverAndDragOffKeepsCapture) {
  MoveMouse(m_button, 5, 5, MK_LBUTTON);
  EXPECT_FALSE(m_host.m_iconOnly.IsMouseOver());
  EXPECT_NE(m_button, ::GetCapture());

  MoveMouse(m_button, 5, 5);
  ASSERT_TRUE(m_host.m_iconOnly.IsMouseOver());
  MoveMouse(m_button, 50, 5, MK_LBUTTON);
  EXPECT_FALSE(m_host.m_iconOnly.IsMouseOver());
  EXPECT_EQ(m_button, ::GetCapture()) << "the press still needs the capture";
}

TEST_F(IconButtonTest, FocusLossEndsHoverButKeepsCapture) {
  MoveMouse(m_button, 5, 5);
  ASSERT_TRUE(m_host.m_iconOnly.IsMouseOver());
  ::SendMessageW(m_button, WM_KILLFOCUS, 0, 0);
  EXPECT_FALSE(m_host.m_iconOnly.IsMouseOver());
  EXPECT_EQ(m_button, ::GetCapture());
  EXPECT_EQ(kNormalColour, Render(m_button)->Pixel(1, 15));
}

TEST_F(IconButtonTest, NoHoverWhileAWindowOfAnotherThreadIsActive) {
  HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HWND other = nullptr;
  DWORD otherThread = 0;
  std::thread thread([&] {
    other = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 300, 300, 100, 100, nullptr, nullptr,
                              nullptr, nullptr);
    otherThread = ::GetCurrentThreadId();
    ::SetEvent(ready);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    ::DestroyWindow(other);
  });
  ::WaitForSingleObject(ready, 5000);
  ::SetForegroundWindow(other);
  for (int i = 0; i < 50 && ::GetActiveWindow(); ++i) {
    PumpMessages();
    ::Sleep(10);
  }
  const bool inactive = ::GetActiveWindow() == nullptr;
  MoveMouse(m_button, 5, 5);
  const bool hovered = m_host.m_iconOnly.IsMouseOver();
  const HWND capture = ::GetCapture();
  ::PostThreadMessageW(otherThread, WM_QUIT, 0, 0);
  thread.join();
  ::CloseHandle(ready);

  ASSERT_TRUE(inactive) << "the other thread's window did not become active";
  EXPECT_FALSE(hovered);
  EXPECT_NE(m_button, capture);
}

TEST_F(IconButtonTest, DisabledButtonDrawsIconGreyed) {
  ::EnableWindow(m_button, FALSE);
  auto s = Render(m_button);
  const RECT iconArea{1, 0, 33, 30};
  EXPECT_EQ(0, s->Count(iconArea, kNormalColour));
  EXPECT_GT(s->Count(iconArea, m_face, false), 0) << "something greyed is drawn";
}

// The dialog manager would give Enter on an owner-drawn button to the dialog's default button (IDOK, which
// ends it): the focused icon button takes it as a press, and shows where the focus is.
TEST_F(IconButtonTest, EnterPressesTheFocusedButtonWhichDrawsItsFocus) {
  const HWND host = m_host.GetSafeHwnd();
  // As after a key press: focus cues are shown.
  ::SendMessageW(host, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  ::SetFocus(m_host.m_withCaption.GetSafeHwnd());
  const auto unfocused = Render(m_button);
  ::SetFocus(m_button);
  for (WPARAM key : {VK_RETURN, VK_SPACE}) {
    ::PostMessageW(m_button, WM_KEYDOWN, key, 1);
    ::PostMessageW(m_button, WM_KEYUP, key, 0xC0000001);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      if (!CDialogBase::RouteMessage(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
  }
  ASSERT_TRUE(::IsWindow(host)) << "Enter ended the dialog";
  EXPECT_EQ(m_host.m_clicked, (std::vector<WORD>{kIconOnlyId, kIconOnlyId}));
  const auto focused = Render(m_button);
  int differ = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 35; ++x) differ += focused->Pixel(x, y) != unfocused->Pixel(x, y) ? 1 : 0;
  EXPECT_GT(differ, 40) << "a focus rectangle is drawn";
}

TEST_F(IconButtonTest, CaptionIsCentredRightOfTheIcon) {
  CIconButton& button = m_host.m_withCaption;
  button.SetIconPair(MakeSolidIcon(kHoverColour, 16), MakeSolidIcon(kNormalColour, 16), 16, 16);
  auto s = Render(button.GetSafeHwnd());
  // Icon 3 pixels from the left, centred in height: rows 7 to 22 of 30.
  EXPECT_EQ(m_face, s->Pixel(2, 15));
  EXPECT_EQ(kNormalColour, s->Pixel(3, 7));
  EXPECT_EQ(kNormalColour, s->Pixel(18, 22));
  EXPECT_EQ(m_face, s->Pixel(3, 6));

  // The caption's ink lies in the space right of the icon, about as far from its left as from the right.
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
  int left = 120, right = -1, top = 30, bottom = -1;
  for (int y = 0; y < 30; ++y)
    for (int x = 19; x < 120; ++x)
      if (s->Pixel(x, y) == text) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, left) << "no caption drawn";
  EXPECT_NEAR(left - 22, 119 - right, 6);
  EXPECT_NEAR(top, 29 - bottom, 6);
}

// An icon-only button keeps its text as its name and Alt key without drawing it.
TEST_F(IconButtonTest, AHiddenCaptionIsNotDrawnAndTheIconIsCentred) {
  CIconButton& button = m_host.m_withCaption;
  button.SetIconPair(MakeSolidIcon(kHoverColour, 16), MakeSolidIcon(kNormalColour, 16), 16, 16);
  button.SetCaptionShown(false);
  auto s = Render(button.GetSafeHwnd());
  // 16 by 16 in 120 by 30: from column 52 and row 7.
  EXPECT_EQ(m_face, s->Pixel(51, 15));
  EXPECT_EQ(kNormalColour, s->Pixel(52, 7));
  EXPECT_EQ(kNormalColour, s->Pixel(67, 22));
  EXPECT_EQ(m_face, s->Pixel(68, 15));
  EXPECT_EQ(0, s->Count({0, 0, 120, 30}, ::GetSysColor(COLOR_BTNTEXT))) << "no caption drawn";
}

TEST_F(IconButtonTest, ReplacingIconsReleasesTheEarlierOnes) {
  HICON hover = MakeSolidIcon(kHoverColour);
  HICON normal = MakeSolidIcon(kNormalColour);
  m_host.m_iconOnly.SetIconPair(hover, normal, 32, 32);
  m_host.m_iconOnly.SetIconPair(MakeSolidIcon(kNormalColour), nullptr, 32, 32);
  ICONINFO info{};
  EXPECT_FALSE(::GetIconInfo(hover, &info));
  EXPECT_FALSE(::GetIconInfo(normal, &info));
  // A missing normal icon draws none in the normal state.
  EXPECT_EQ(m_face, Render(m_button)->Pixel(16, 15));
  MoveMouse(m_button, 5, 5);
  EXPECT_EQ(kNormalColour, Render(m_button)->Pixel(16, 15));
}

TEST_F(IconButtonTest, LoadIconPairWithoutNormalIdShowsOneIconEverywhere) {
  ::ValidateRect(m_button, nullptr);
  m_host.m_iconOnly.LoadIconPair(148, 0, 32, 32);
  EXPECT_FALSE(::GetUpdateRect(m_button, nullptr, FALSE)) << "new icons wait for the next repaint";
  EXPECT_NE(nullptr, m_host.m_iconOnly.GetHoverIcon());
  EXPECT_EQ(m_host.m_iconOnly.GetHoverIcon(), m_host.m_iconOnly.GetNormalIcon());

  m_host.m_iconOnly.LoadIconPair(148, 1, 32, 32);
  EXPECT_NE(nullptr, m_host.m_iconOnly.GetHoverIcon());
  EXPECT_EQ(nullptr, m_host.m_iconOnly.GetNormalIcon()) << "an id without an icon gives no handle";
}

TEST_F(IconButtonTest, ButtonObjectDestroysTheWindowItStillHolds) {
  HWND window = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, 35, 30, m_host.GetSafeHwnd(),
                                  nullptr, nullptr, nullptr);
  {
    CIconButton button;
    ASSERT_TRUE(button.AttachButton(window));
  }
  EXPECT_FALSE(::IsWindow(window));
}

}  // namespace

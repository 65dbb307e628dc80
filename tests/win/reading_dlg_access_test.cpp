// The reading window for the keyboard and for screen readers: the buttons' names, tips and Alt keys, the
// page's accessible object and its news of another day, and the copy of the day's text.
#include <oleacc.h>

#include <functional>
#include <numeric>
#include <thread>

#include "ReadingDlgFixture.h"
#include "ui/Clipboard.h"
#include "ui/OnDemandLibrary.h"
#include "ui/WideText.h"

namespace {

struct CReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
using CReaderObject = std::unique_ptr<IAccessible, CReleaser>;

// The object a screen reader gets for a window's client area.
CReaderObject ReaderObject(HWND window) {
  const auto fromWindow = LibraryFunctionAs<HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**)>(
      "oleacc.dll", "AccessibleObjectFromWindow");
  IAccessible* object = nullptr;
  if (fromWindow)
    fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&object));
  return CReaderObject(object);
}

VARIANT Self() {
  VARIANT self{};  // lVal 0: CHILDID_SELF
  self.vt = VT_I4;
  return self;
}

// The object's name or value as a reader reads it; "(failed)" when the object does not answer.
std::string ReaderText(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) {
  BSTR text = nullptr;
  if (!object || FAILED((object->*property)(Self(), &text))) return "(failed)";
  const std::string utf8 = text ? Narrow(text) : "";
  ::SysFreeString(text);
  return utf8;
}

LONG ReaderNumber(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, VARIANT*)) {
  VARIANT number;
  number.vt = VT_EMPTY;
  return object && SUCCEEDED((object->*property)(Self(), &number)) && number.vt == VT_I4 ? number.lVal : -1;
}

// The events raised for screen readers about the client area of `g_eventWindow`.
HWND g_eventWindow = nullptr;
std::vector<DWORD> g_events;
void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
  if (window == g_eventWindow && object == OBJID_CLIENT) g_events.push_back(event);
}

// The tip that the tooltip of `owner`'s controls shows for `control`.
std::string TipOf(HWND owner, HWND control) {
  HWND tips = nullptr;
  while ((tips = ::FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) && ::GetWindow(tips, GW_OWNER) != owner) {
  }
  wchar_t text[80] = L"";
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  if (tips) ::SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  return Narrow(text);
}

// The items of the context menu as it opens, (id, text); the menu is closed as soon as it waits for the user.
std::vector<std::pair<UINT, std::string>>* g_pMenuItems = nullptr;
LRESULT CALLBACK ReadMenu(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  static HMENU menu = nullptr;
  if (code == HC_ACTION && sent->message == WM_INITMENUPOPUP) menu = reinterpret_cast<HMENU>(sent->wParam);
  if (code == HC_ACTION && sent->message == WM_ENTERIDLE && menu && g_pMenuItems) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = L"";
      ::GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
      g_pMenuItems->emplace_back(::GetMenuItemID(menu, i), Narrow(text));
    }
    menu = nullptr;
    ::EndMenu();
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string ClipboardText() {
  std::string text = "(nothing)";
  if (!::OpenClipboard(nullptr)) return "(not opened)";
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    text = Narrow(static_cast<const wchar_t*>(::GlobalLock(data)));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

class ReadingAccessTest : public ReadingDlgTest {
 protected:
  void SetUp() override {
    ReadingDlgTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    WritePlan(m_year, {{1, 2, u8"창세기 1장", {u8"태초에 하나님이", "B & C"}}, {1, 3, u8"창세기 2장", {u8"천지와"}}});
    Open();
    PickDate(m_year, 1, 2);
  }
  void TearDown() override {
    ReadingDlgTest::TearDown();
    ::CoUninitialize();
  }

  HWND Page() const { return Item(IDC_READING_PAGE); }

  // Alt and a letter, while the focus is where it is.
  void AltKey(wchar_t letter) {
    ::PostMessageW(::GetFocus(), WM_SYSCHAR, letter, 0x20000001);
    Settle();
  }

  // Ctrl+C with the focus on the page.
  void CopyKey() {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    PressKey(Page(), 'C');
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
  }

  // The page's pixels as the screen shows them, row by row.
  std::vector<COLORREF> PagePixels() {
    ::UpdateWindow(Page());
    RECT client;
    ::GetClientRect(Page(), &client);
    CPixelSurface copy(client.right, client.bottom, RGB(1, 2, 3));
    CWindowDC source(Page());
    ::BitBlt(copy.Dc(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) pixels.push_back(copy.Pixel(x, y));
    return pixels;
  }
};

TEST_F(ReadingAccessTest, AScreenReaderNamesEveryButtonAndReadsTheDayAndHearsOfTheNext) {
  const struct {
    int id;
    const char* name;
  } buttons[] = {{IDC_MARK_READ, u8"읽음 표시(M)"},
                 {IDC_PREV_DAY, u8"이전 날(P)"},
                 {IDC_NEXT_DAY, u8"다음 날(N)"},
                 {IDC_DIARY_BUTTON, u8"일기(D)"},
                 {IDOK, u8"닫기"}};
  for (const auto& button : buttons) {
    EXPECT_EQ(ReaderText(ReaderObject(Item(button.id)).get(), &IAccessible::get_accName), button.name);
    EXPECT_EQ(TipOf(Hwnd(), Item(button.id)), button.name);
  }

  CReaderObject page = ReaderObject(Page());
  ASSERT_TRUE(page) << "the page gives no accessible object";
  EXPECT_EQ(ReaderText(page.get(), &IAccessible::get_accName), u8"창세기 1장");
  EXPECT_EQ(ReaderText(page.get(), &IAccessible::get_accValue), u8"1 태초에 하나님이\r\n2 B & C");
  EXPECT_EQ(ReaderNumber(page.get(), &IAccessible::get_accRole), ROLE_SYSTEM_DOCUMENT);
  EXPECT_EQ(ReaderNumber(page.get(), &IAccessible::get_accState) & (STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE),
            STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE);

  g_eventWindow = Page();
  g_events.clear();
  HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &RecordEvent,
                                         ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  ::SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_NEXT_DAY, BN_CLICKED), 0);
  Settle();
  ::UnhookWinEvent(hook);
  EXPECT_EQ(g_events, (std::vector<DWORD>{EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE}));
  // The object a reader holds reads the day shown now, and nothing once the window is gone.
  EXPECT_EQ(ReaderText(page.get(), &IAccessible::get_accName), u8"창세기 2장");
  EXPECT_EQ(ReaderText(page.get(), &IAccessible::get_accValue), u8"1 천지와");
  m_dlg.reset();
  EXPECT_EQ(ReaderText(page.get(), &IAccessible::get_accName), "(failed)");
}

TEST_F(ReadingAccessTest, AltLettersPressTheButtonsFromAnywhereAndThePageShowsItsFocus) {
  AltKey(L'n');
  EXPECT_EQ(Shown().date.day, 3);
  AltKey(L'p');
  EXPECT_EQ(Shown().date.day, 2);
  AltKey(L'm');
  EXPECT_TRUE(m_dlg->MarkButtonShowsRead());

  // Tab from the close button reaches the page, which shows that it has the focus.
  ::SendMessageW(Hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  const std::vector<COLORREF> unfocused = PagePixels();
  PressKey(Item(IDOK), VK_TAB);
  ASSERT_EQ(::GetFocus(), Page());
  const std::vector<COLORREF> focused = PagePixels();
  ASSERT_EQ(focused.size(), unfocused.size());
  EXPECT_GT(
      std::inner_product(focused.begin(), focused.end(), unfocused.begin(), 0, std::plus<>(), std::not_equal_to<>()),
      400)
      << "a focus frame is drawn";
  // Letters are no Alt keys on the page, and Enter does not close the window; Alt and a letter still press.
  PressKey(Page(), L'N');
  ::PostMessageW(Page(), WM_CHAR, L'n', 1);
  PressKey(Page(), VK_RETURN);
  ASSERT_TRUE(::IsWindow(Hwnd()));
  EXPECT_EQ(Shown().date.day, 2);
  AltKey(L'n');
  EXPECT_EQ(Shown().date.day, 3);
}

TEST_F(ReadingAccessTest, CtrlCAndTheMenuItemCopyTheDayAndAHeldClipboardIsSaidSo) {
  const std::string day = u8"창세기 1장\r\n1 태초에 하나님이\r\n2 B & C";
  PutClipboardText(nullptr, "before");
  CopyKey();
  EXPECT_EQ(ClipboardText(), day);

  // The context menu offers the copy after "읽지 않은 날로"; choosing it copies as the key does.
  std::vector<std::pair<UINT, std::string>> items;
  g_pMenuItems = &items;
  HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &ReadMenu, nullptr, ::GetCurrentThreadId());
  ::SendMessageW(Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Hwnd()), -1);
  ::UnhookWindowsHookEx(hook);
  g_pMenuItems = nullptr;
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].second, u8"읽지 않은 날로");
  EXPECT_EQ(items[1].second, u8"본문 복사");
  PutClipboardText(nullptr, "before");
  ::SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(items[1].first, 0), 0);
  EXPECT_EQ(ClipboardText(), day);

  // Another program holds the clipboard open: the copy says so and the clipboard keeps what it had.
  HANDLE held = ::CreateEventW(nullptr, TRUE, FALSE, nullptr), release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    ::OpenClipboard(nullptr);
    ::SetEvent(held);
    ::WaitForSingleObject(release, 10000);
    ::CloseClipboard();
  });
  ::WaitForSingleObject(held, 10000);
  PickDate(m_year, 1, 3);
  CopyKey();
  ::SetEvent(release);
  holder.join();
  ::CloseHandle(held);
  ::CloseHandle(release);
  EXPECT_EQ(BoxTexts(),
            u8"[본문을 복사하지 못했습니다. 다른 프로그램이 클립보드를 쓰고 있습니다.\n잠시 뒤 다시 하십시오.] ");
  EXPECT_EQ(ClipboardText(), day);
}

}  // namespace

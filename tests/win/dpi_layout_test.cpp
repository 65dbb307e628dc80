// The reading, diary and search windows at the display's scale: 100 % in the ordinary run, 150 % and 200 % in
// the runs win_dpi_144 and win_dpi_192, whose Wine prefixes are scaled so. No control covers another or leaves
// its window's client area, the page's header lines keep a line of its font apart, and a picture of each
// window is left in the build folder (dpi-<scale>-<window>.bmp).
#include <string>
#include <vector>

#include "DiaryDlgFixture.h"
#include "Screenshot.h"
#include "ui/Dpi.h"

namespace {

struct Child {
  HWND window;
  RECT place;  // in the parent's client coordinates
};

BOOL CALLBACK CollectChild(HWND window, LPARAM children) {
  auto* found = reinterpret_cast<std::vector<Child>*>(children);
  const HWND parent = ::GetParent(window);
  if (!::IsWindowVisible(window) || !parent) return TRUE;
  wchar_t name[32] = L"";
  ::GetClassNameW(window, name, 32);
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  // A group box frames the controls inside it; the page lies under the scroll bar that moves it.
  if ((std::wstring(name) == L"Button" && (style & BS_TYPEMASK) == BS_GROUPBOX) ||
      ::GetDlgCtrlID(window) == IDC_READING_PAGE)
    return TRUE;
  RECT place;
  ::GetWindowRect(window, &place);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  found->push_back({window, place});
  return TRUE;
}

}  // namespace

class WindowsAtTheSystemDpi : public DiaryDlgTest {
 protected:
  void ExpectControlsApartAndInside(HWND window, const char* name) {
    SCOPED_TRACE(name);
    std::vector<Child> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    // Only the window's own controls, not those inside a control (a picker's edit fields).
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [&](const Child& c) { return ::GetParent(c.window) != window; }),
                   children.end());
    ASSERT_GE(children.size(), 3u);
    RECT client;
    ::GetClientRect(window, &client);
    for (size_t i = 0; i < children.size(); ++i) {
      const RECT& a = children[i].place;
      EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= client.right && a.bottom <= client.bottom)
          << "control " << ::GetDlgCtrlID(children[i].window) << " leaves the client area";
      for (size_t j = i + 1; j < children.size(); ++j) {
        RECT both;
        EXPECT_FALSE(::IntersectRect(&both, &a, &children[j].place))
            << "controls " << ::GetDlgCtrlID(children[i].window) << " and " << ::GetDlgCtrlID(children[j].window);
      }
    }
    CScreenshot(window).SaveBmp(ProgramFolder() + "dpi-" + std::to_string(WindowDpi(window)) + "-" + name + ".bmp");
  }
};

TEST_F(WindowsAtTheSystemDpi, EveryWindowKeepsItsControlsApartAndInside) {
  WriteThisYear({{5, 5, u8"시편 1", {u8"복 있는 사람은 악인들의 꾀를 따르지 아니하며"}}});
  OpenOn(5, 5);
  Click(Diary(), IDC_DIARY_FIND);
  ASSERT_NE(Find(), nullptr);
  ExpectControlsApartAndInside(Hwnd(), "reading");
  ExpectControlsApartAndInside(Diary(), "diary");
  ExpectControlsApartAndInside(Find(), "search");
}

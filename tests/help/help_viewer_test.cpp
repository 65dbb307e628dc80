// The help file in the system's help viewer: the help command's call opens the viewer on the contents
// topic, and a jump in it leads to its topic. The viewer is another process; it is found by its window class
// and read through its text control, and it is always closed at the end.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/ModuleFolder.h"
#include "ui/ProgramFolder.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"
#include "win/Screenshot.h"  // ProgramFolder

namespace {

const char kHelpTitle[] = "베스페랄읽기 도움말";
const DWORD kContentsContext = 98393;
const int kViewerTextId = 0x701;
const int kViewerButtonBarId = 0x700;

std::wstring Wide(const char* utf8) { return Widen(utf8); }

// The text of the viewer's text control. Its length message counts a paragraph end as one character while
// its text brings CR LF, so the buffer is given room to spare.
std::wstring ControlText(HWND control) {
  std::wstring text(2 * static_cast<size_t>(::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 64, L'\0');
  LRESULT length = ::SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  return text;
}

// With VESPERAL_HELP_PAUSE_MS set, the test holds the viewer on screen that long at each step, so that a
// person can take a screenshot of the display (import -display $DISPLAY -window root x.png).
void PauseForScreenshot() {
  if (const char* pause = ::getenv("VESPERAL_HELP_PAUSE_MS")) ::Sleep(static_cast<DWORD>(atoi(pause)));
}

// Waits, pumping this thread's messages, until the condition holds or the time is up.
template <class Condition>
bool WaitFor(Condition condition, DWORD milliseconds = 15000) {
  DWORD start = ::GetTickCount();
  while (!condition()) {
    if (::GetTickCount() - start > milliseconds) return false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::Sleep(50);
  }
  return true;
}

// The window that stands for the program's main frame: WinHelpW names it as the caller.
class COwnerWindow {
 public:
  COwnerWindow() {
    m_window = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
  }
  ~COwnerWindow() { ::DestroyWindow(m_window); }
  HWND Get() const { return m_window; }

 private:
  HWND m_window;
};

class HelpViewer : public ::testing::Test {
 protected:
  void SetUp() override {
    // The help command looks beside the program, where the build puts psaltery.hlp, wherever the current
    // directory is: here a folder without one, as after an export elsewhere.
    const std::string folder = ProgramFolder();
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((folder + "psaltery.hlp").c_str()))
        << "no psaltery.hlp in " << folder;
    char temp[MAX_PATH] = "";
    ASSERT_NE(0u, ::GetTempPathA(sizeof temp, temp));
    ASSERT_TRUE(::SetCurrentDirectoryA(temp));
  }

  void TearDown() override {
    if (!m_viewer) m_viewer = ::FindWindowA("MS_WINHELP", nullptr);
    if (!m_viewer) return;
    DWORD process_id = 0;
    ::GetWindowThreadProcessId(m_viewer, &process_id);
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process_id);
    ::PostMessageA(m_viewer, WM_CLOSE, 0, 0);
    if (process) {
      if (::WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) ::TerminateProcess(process, 1);
      ::CloseHandle(process);
    }
  }

  // The help command's call: the program folder's psaltery.hlp, WinHelpW at the context number.
  BOOL RunHelpCommand(HWND owner) {
    return ::WinHelpW(owner, Widen(HelpFilePath(ModuleFolder())).c_str(), HELP_CONTEXT, kContentsContext);
  }

  HWND ViewerText() const { return ::GetDlgItem(m_viewer, kViewerTextId); }

  // What the viewer shows, for failure messages: its caption and the start of its text.
  std::string Seen() const {
    if (!m_viewer) return "no help viewer window";
    std::wstring text = ViewerText() ? ControlText(ViewerText()) : L"(no text control)";
    char shown[400] = "";
    ::WideCharToMultiByte(CP_UTF8, 0, text.substr(0, 120).c_str(), -1, shown, sizeof shown, nullptr, nullptr);
    return "viewer visible " + std::to_string(::IsWindowVisible(m_viewer)) + ", text: " + shown;
  }

  bool ViewerShows(const char* phrase) {
    return WaitFor([&] {
      if (!m_viewer) m_viewer = ::FindWindowA("MS_WINHELP", nullptr);
      return m_viewer && ::IsWindowVisible(m_viewer) && ViewerText() &&
             ControlText(ViewerText()).find(Wide(phrase)) != std::wstring::npos;
    });
  }

  // Clicks the jump that shows `shown` (its first place at a paragraph start, else its first place).
  // Wine's viewer places a jump by counting the bytes of the text before it, not its characters, so after
  // Korean text it looks for the jump further on than it draws it, and beyond the end of a long topic not
  // at all: the click goes where the viewer looks. The help file's browse buttons give Wine's users a way
  // through the topics all the same.
  void ClickJump(const char* shown) {
    std::wstring text = ControlText(ViewerText());
    size_t found = text.find(L"\n" + Wide(shown));
    found = found == std::wstring::npos ? text.find(Wide(shown)) : found + 1;
    ASSERT_NE(std::wstring::npos, found);
    std::wstring before = text.substr(0, found);
    for (size_t at = before.find(L"\r\n"); at != std::wstring::npos; at = before.find(L"\r\n", at))
      before.erase(at + 1, 1);  // a paragraph end counts one
    int bytes =
        ::WideCharToMultiByte(949, 0, before.c_str(), static_cast<int>(before.size()), nullptr, 0, nullptr, nullptr);
    LRESULT place = ::SendMessageW(ViewerText(), EM_POSFROMCHAR, bytes + 1, 0);
    LPARAM click = MAKELPARAM(LOWORD(place) + 2, HIWORD(place) + 4);
    ::PostMessageW(ViewerText(), WM_LBUTTONDOWN, MK_LBUTTON, click);
    ::PostMessageW(ViewerText(), WM_LBUTTONUP, 0, click);
  }

  // Presses a button of the viewer's button bar by its text. The viewer makes its buttons anew for each
  // topic, after the topic's text, so the button is waited for.
  void PressButton(const char* text) {
    HWND button = nullptr;
    bool found = WaitFor(
        [&] {
          HWND bar = ::GetDlgItem(m_viewer, kViewerButtonBarId);
          for (HWND child = ::GetWindow(bar, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (WindowTextUtf8(child) == text && ::IsWindowEnabled(child)) button = child;
          return button != nullptr;
        },
        5000);
    ASSERT_TRUE(found) << "no enabled button " << text;
    ::PostMessageA(button, BM_CLICK, 0, 0);
  }

  HWND m_viewer = nullptr;
};

TEST_F(HelpViewer, HelpCommandOpensTheContentsTopicAndAJumpLeadsToItsTopic) {
  COwnerWindow owner;
  ASSERT_TRUE(RunHelpCommand(owner.Get()));

  ASSERT_TRUE(ViewerShows("어느 창에서나 F1 키를 누르면 이 도움말이 열립니다."))
      << "the viewer does not show the contents topic; " << Seen();
  std::string caption = WindowTextUtf8(m_viewer);
  EXPECT_EQ(kHelpTitle, caption) << "the main window's caption of the help file";
  EXPECT_EQ(std::wstring::npos, ControlText(ViewerText()).find(Wide("Page Down 키는")))
      << "the contents topic shows another topic's text";
  PauseForScreenshot();

  ClickJump("말씀 읽기 창");
  ASSERT_TRUE(ViewerShows("Page Down 키는 한 쪽 아래로"))
      << "the jump did not lead to the reading window topic; " << Seen();
  EXPECT_EQ(std::wstring::npos, ControlText(ViewerText()).find(Wide("어느 창에서나 F1 키를")));
  PauseForScreenshot();
}

TEST_F(HelpViewer, BrowseButtonLeadsToTheNextTopic) {
  COwnerWindow owner;
  ASSERT_TRUE(RunHelpCommand(owner.Get()));
  ASSERT_TRUE(ViewerShows("어느 창에서나 F1 키를 누르면 이 도움말이 열립니다.")) << Seen();
  // Wine's viewer runs the file's button macro for each topic it opens, but not inside the macro of a
  // button, so one step is what can be checked here; the whole sequence is checked in the file itself.
  PressButton("&>>");
  EXPECT_TRUE(ViewerShows("Page Down 키는 한 쪽 아래로")) << "after >>; " << Seen();
}

}  // namespace

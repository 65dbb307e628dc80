#pragma once
// The hidden main frame: the one window that lives as long as the program. It owns the tray icon, answers
// the tray's mouse messages and a second start's wake-up, shows the tray menu and carries out its commands.
#include <windows.h>

class CReadingDlg;

// The reading window that runs now, or null; it lives on the stack of whoever runs it.
extern CReadingDlg* g_pReadingDlg;

// The publisher's homepage, opened by the tray menu.
extern const char kHomepageAddress[];
// The help topic that the help command opens.
constexpr ULONG_PTR kHelpContext = 98393;

class CMainFrame {
 public:
  // Creates the frame's window, not shown; a reading window counts as open until start-up says otherwise.
  explicit CMainFrame(HINSTANCE instance);
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }

  // Start-up says whether a reading window runs: until then one counts as open.
  void SetReadingOpen(bool open) { m_bReadingOpen = open; }

 private:
  // True while a reading window runs.
  bool m_bReadingOpen = false;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnTrayNotify(LPARAM mouseMessage);
  void ShowTrayMenu();
  void OpenReadingWindow();
  void OnHomepage();
  void OnHelp();
  void OnClose();
  void OnEndSession();

  HWND m_hWnd = nullptr;
  HINSTANCE m_hInstance;
  UINT m_nTaskbarCreated;
};

// Runs a reading window owned by `owner` until the user closes it, with g_pReadingDlg pointing at it.
void RunReadingWindow(HWND owner);

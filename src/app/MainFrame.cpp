#include "app/MainFrame.h"

#include "app/SettingsDlg.h"
#include "app/StartupRules.h"
#include "app/TrayIcon.h"
#include "app/TrayRules.h"
#include "diary/DiaryBackupRun.h"
#include "diary/StoredReadMarks.h"
#include "reading/ReadingDlg.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "controls/GdiHandles.h"
#include "ui/HelpRoute.h"
#include "ui/ModuleFolder.h"
#include "ui/ProgramFolder.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"
#include "ui/WinHelpViewer.h"

const char kHomepageAddress[] = "https://vesperal.example.org/";

namespace {

static_assert(kTrayBalloonClick == NIN_BALLOONUSERCLICK, "the tray rules know the balloon click by its number");

void DoReadingAction(CReadingDlg& reading, ReadingAction action) {
  switch (action) {
    case ReadingAction::kShowToday:
      reading.ShowToday();
      break;
    case ReadingAction::kCatchUp:
      reading.GoToCatchUpDay();
      break;
    case ReadingAction::kNone:
      break;
  }
}

// A reading window that does its first action once it has opened and shown what it had to tell at start.
class CTrayReadingDlg : public CReadingDlg {
 public:
  explicit CTrayReadingDlg(ReadingAction action) : m_action(action) {}

 protected:
  BOOL OnInitDialog() override {
    const BOOL result = CReadingDlg::OnInitDialog();
    if (m_action != ReadingAction::kNone) ::PostMessageW(GetSafeHwnd(), kFirstActionMessage, 0, 0);
    return result;
  }
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (msg != kFirstActionMessage) return CReadingDlg::OnMessage(msg, wParam, lParam, result);
    DoReadingAction(*this, m_action);
    result = 0;
    return true;
  }

 private:
  static constexpr UINT kFirstActionMessage = WM_APP + 1;
  ReadingAction m_action;
};

}  // namespace

CMainFrame::CMainFrame(HINSTANCE instance)
    : m_hInstance(instance), m_nTaskbarCreated(::RegisterWindowMessageW(L"TaskbarCreated")) {
  const WindowClass frameClass{L"VesperalMainFrame", reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
  CreateOfClass(frameClass, 0, WS_OVERLAPPEDWINDOW, Widen(kAppTitle).c_str(),
                RECT{0, 0, 0, 0}, nullptr, nullptr);
}

void CMainFrame::Start(bool openReading) {
  m_reminder.Start(m_hWnd);
  if (openReading) OpenReadingWindow();
  m_bReadingOpen = false;
}

LRESULT CMainFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == m_nTaskbarCreated && m_nTaskbarCreated != 0) {
    // A restarted taskbar has forgotten our icon.
    AddAppTrayIcon(m_hWnd, m_hInstance);
    return 0;
  }
  switch (msg) {
    case WM_TRAYNOTIFY:
      OnTrayNotify(lParam);
      return 0;
    case WM_TIMER:
      if (m_reminder.OnTimer(wParam)) return 0;
      break;
    case WM_POWERBROADCAST:
      // Back from sleep or hibernation: a reminder time passed meanwhile shows its balloon now.
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) m_reminder.Check();
      return TRUE;
    case WM_TIMECHANGE:
    case WM_WTSSESSION_CHANGE:  // an unlock, above all: a balloon held back while locked may go now
      m_reminder.Check();
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case ID_READING_OPEN:
          OpenReadingWindow();
          return 0;
        case ID_HOMEPAGE_OPEN:
          OnHomepage();
          return 0;
        case ID_HELP_OPEN:
          OnHelp();
          return 0;
        case ID_CATCH_UP:
          Respond(RespondToCatchUpCommand(m_bReadingOpen));
          return 0;
        case ID_SETTINGS:
          OnSettings();
          return 0;
        case ID_APP_EXIT:
          ::SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
          return 0;
        default:
          break;
      }
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ENDSESSION:
      if (wParam) OnEndSession();
      return 0;
    case WM_DESTROY:
      m_reminder.Stop();
      // The frame is the program's main window: its end ends the message loop.
      ::PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return CWindowBase::OnMessage(msg, wParam, lParam);
}

void CMainFrame::OnTrayNotify(LPARAM mouseMessage) {
  m_reminder.OnTrayNotify(static_cast<long>(mouseMessage));
  Respond(RespondToTray(static_cast<long>(mouseMessage), m_bReadingOpen));
}

void CMainFrame::Respond(const TrayResponse& response) {
  if (response.bringForward) ::SetForegroundWindow(m_hWnd);
  if (response.raiseReading && m_pReadingDlg && m_pReadingDlg->GetSafeHwnd()) {
    ::SetWindowPos(m_pReadingDlg->GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    DoReadingAction(*m_pReadingDlg, response.action);
  }
  if (response.showMenu) ShowTrayMenu();
  if (response.openReading) OpenReadingWindow(response.action);
}

void CMainFrame::ShowTrayMenu() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  CMenuHandle menu(::CreatePopupMenu());
  if (!menu.Get()) return;
  const auto item = [&](UINT id, UINT text) {
    ::AppendMenuW(menu.Get(), MF_STRING, id, Widen(LoadText(text)).c_str());
  };
  item(ID_READING_OPEN, IDS_MENU_READING_OPEN);
  item(ID_HOMEPAGE_OPEN, IDS_MENU_HOMEPAGE_OPEN);
  item(ID_HELP_OPEN, IDS_MENU_HELP_OPEN);
  item(ID_CATCH_UP, IDS_MENU_CATCH_UP);
  // Without marks that can be read every day would look unread.
  if (!ReadStoredMarks(ModuleFolder())) ::EnableMenuItem(menu.Get(), ID_CATCH_UP, MF_BYCOMMAND | MF_GRAYED);
  item(ID_SETTINGS, IDS_MENU_SETTINGS);
  ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
  item(ID_APP_EXIT, IDS_MENU_APP_EXIT);
  // A notification icon's menu takes the keyboard, and closes on a click elsewhere, only while its owner is
  // the foreground window; the message posted after it lets the menu close properly when dismissed.
  ::SetForegroundWindow(m_hWnd);
  // Bottom-left corner at the cursor; the chosen item comes back as WM_COMMAND.
  ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, m_hWnd,
                   nullptr);
  ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CMainFrame::OpenReadingWindow(ReadingAction action) {
  // The settings window is finished first: a reading window run inside it would hold it open, confirmed
  // or not, until the reading window closed.
  if (m_pSettingsDlg) {
    m_pSettingsDlg->TellTheReadingWindowWaits();
    return;
  }
  CTrayReadingDlg reading(action);
  reading.SetMainWindow(m_hWnd);
  m_bReadingOpen = true;
  m_pReadingDlg = &reading;
  reading.DoModal(m_hWnd);
  m_pReadingDlg = nullptr;
  m_bReadingOpen = false;
}

void CMainFrame::OnSettings() {
  // One settings window at a time: the tray menu stays usable while it runs.
  if (m_pSettingsDlg) {
    ::SetForegroundWindow(m_pSettingsDlg->GetSafeHwnd());
    return;
  }
  CSettingsDlg dialog(m_hWnd, m_reminder.Settings(), m_hWnd);
  m_pSettingsDlg = &dialog;
  const INT_PTR result = dialog.DoModal(m_hWnd);
  m_pSettingsDlg = nullptr;
  if (result == IDOK) m_reminder.ChangeSettings(dialog.Settings());
}

void CMainFrame::OnHomepage() {
  TheSystemCalls().shellExecute(nullptr, L"open", Widen(kHomepageAddress).c_str(), L"",
                                Widen(WorkingFolder(ModuleFolder())).c_str(), SW_SHOWNORMAL);
}

void CMainFrame::OnHelp() {
  // The help lies beside the program; the current directory may be wherever a save dialog left it.
  const std::string folder = ModuleFolder();
  const std::string page = HelpPagePath(folder);
  if (ChooseHelpRoute(TheSystemCalls().hasWinHelpViewer(), FileExistsAt(page)) == HelpRoute::kBrowser) {
    // The page opens at its top, the contents topic.
    TheSystemCalls().shellExecute(m_hWnd, L"open", Widen(page).c_str(), nullptr, Widen(WorkingFolder(folder)).c_str(),
                                  SW_SHOWNORMAL);
    return;
  }
  TheSystemCalls().winHelp(m_hWnd, Widen(HelpFilePath(folder)).c_str(), HELP_CONTEXT, kHelpContext);
}

void CMainFrame::OnClose() {
  BackUpDiaryAtProgramEnd(ModuleFolder());
  RemoveAppTrayIcon(m_hWnd, m_hInstance);
  ::DestroyWindow(m_hWnd);
}

void CMainFrame::OnEndSession() {
  // The session ends once we return: the running reading window goes now, releasing its databases as
  // when the user closes it, and then the frame closes as on the exit command, whatever happened before.
  if (m_pReadingDlg && m_pReadingDlg->GetSafeHwnd()) {
    // What was typed in the diary is stored first: the diary may not have seen the end of the session yet.
    // A store that fails is tried once more and left; no one can be asked now, and nothing may stop the
    // cleanup below.
    try {
      m_pReadingDlg->StoreDiaryChanges();
    } catch (...) {
    }
    ::DestroyWindow(m_pReadingDlg->GetSafeHwnd());
  }
  OnClose();
}

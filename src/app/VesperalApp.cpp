#include "app/VesperalApp.h"

#include <commctrl.h>

#include "app/StartupRules.h"
#include "app/TrayIcon.h"
#include "app/TrayRules.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/ResourceText.h"
#include "ui/DialogBase.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

const char kInstanceMutexName[] = "TARN_Vesp_eral.exe";

namespace {

// Sends the wake-up to every top-level window, of any process, titled exactly as our main frame is.
BOOL CALLBACK WakeWindowIfOurs(HWND window, LPARAM) {
  const std::string title = WindowTextUtf8(window);
  if (!title.empty() && IsAppTitle(title.data(), title.size()))
    ::SendMessageW(window, WM_TRAYNOTIFY, 0, kTrayLeftDoubleClick);
  return TRUE;
}

}  // namespace

CVesperalApp::~CVesperalApp() {
  m_pMainFrame.reset();
  if (m_hMutex) ::CloseHandle(m_hMutex);
}

bool CVesperalApp::ClaimInstance() {
  // Creating and testing are one step, so two programs started together never both go on.
  m_hMutex = ::CreateMutexW(nullptr, FALSE, Widen(kInstanceMutexName).c_str());
  if (m_hMutex && ::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(m_hMutex);
    m_hMutex = nullptr;
    ::EnumWindows(&WakeWindowIfOurs, 0);
    return false;
  }
  return true;
}

bool CVesperalApp::InitInstance(HINSTANCE instance, const std::string& commandLine) {
  m_pMainFrame = std::make_unique<CMainFrame>(instance);
  HWND frame = m_pMainFrame->GetSafeHwnd();
  if (!frame) return false;
  ::ShowWindow(frame, SW_HIDE);
  ::UpdateWindow(frame);

  if (!AddAppTrayIcon(frame, instance)) {
    AppMessageBox(nullptr, LoadText(IDS_NO_TRAY_ICON), MB_OK);
    m_pMainFrame.reset();
    return false;
  }
  m_pMainFrame->Start(!IsTrayOnlyStart(commandLine));
  return true;
}

int CVesperalApp::Run() {
  MSG msg;
  BOOL got;
  while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    if (!CDialogBase::RouteMessage(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}

int VesperalMain(HINSTANCE instance) {
  CVesperalApp app;
  if (!app.ClaimInstance()) return 0;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
  ::InitCommonControlsEx(&controls);
  if (!app.InitInstance(instance, Narrow(::GetCommandLineW()))) return 1;
  return app.Run();
}

#pragma once
// The application: the one-instance rule, start-up with the hidden frame and the tray icon, the start-up
// reading window, the message loop, and the shut-down.
#include <windows.h>

#include <memory>
#include <string>

#include "app/MainFrame.h"

// The name of the mutex whose existence marks a running instance.
extern const char kInstanceMutexName[];

class CVesperalApp {
 public:
  CVesperalApp() = default;
  // Closes the mutex, so that a later start runs as first instance again.
  ~CVesperalApp();
  CVesperalApp(const CVesperalApp&) = delete;
  CVesperalApp& operator=(const CVesperalApp&) = delete;

  // Creates the mutex. False when another instance holds it: that instance has then been woken, and this
  // process should end with code 0.
  bool ClaimInstance();
  // Start-up: the frame, the tray icon and, unless the command line asks for the tray only, the reading
  // window, which returns when the user closes it. False when the program cannot run.
  bool InitInstance(HINSTANCE instance, const std::string& commandLine);
  // The message loop; returns the exit code that ended it.
  int Run();

 private:
  HANDLE m_hMutex = nullptr;
  std::unique_ptr<CMainFrame> m_pMainFrame;
};

// The program's life from entry to exit code.
int VesperalMain(HINSTANCE instance);

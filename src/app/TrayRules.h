#pragma once
// What the main frame does with a mouse message over its tray icon (or a second start's wake-up), given
// whether a reading window runs. The frame carries out the steps in the order of the fields.
struct TrayResponse {
  bool bringForward = false;  // SetForegroundWindow on the frame
  bool raiseReading = false;  // the running reading window to the top
  bool showMenu = false;      // the tray menu at the cursor
  bool openReading = false;   // a reading window opens and runs
};

// Mouse message numbers as the tray reports them in lParam.
constexpr long kTrayLeftDown = 513;
constexpr long kTrayLeftDoubleClick = 515;
constexpr long kTrayRightDown = 516;

TrayResponse RespondToTray(long mouseMessage, bool readingOpen);

#pragma once
// What the main frame does with a mouse message over its tray icon, a click on its balloon (or a second
// start's wake-up) and the tray menu's catch-up command, given whether a reading window runs. The frame
// carries out the steps in the order of the fields.

// What the reading window, opened or raised, shows first.
enum class ReadingAction {
  kNone,  // opened: today, as always; raised: the day it shows
  kShowToday,
  kCatchUp,  // the earliest unread day of this year ("읽지 않은 날로")
};

struct TrayResponse {
  bool bringForward = false;  // SetForegroundWindow on the frame
  bool raiseReading = false;  // the running reading window to the top
  bool showMenu = false;      // the tray menu at the cursor
  bool openReading = false;   // a reading window opens and runs
  ReadingAction action = ReadingAction::kNone;
};

// Mouse message numbers as the tray reports them in lParam.
constexpr long kTrayLeftDown = 513;
constexpr long kTrayLeftDoubleClick = 515;
constexpr long kTrayRightDown = 516;
// A click on the tray's balloon (NIN_BALLOONUSERCLICK), reported in lParam as the mouse messages are.
constexpr long kTrayBalloonClick = 0x0400 + 5;

TrayResponse RespondToTray(long mouseMessage, bool readingOpen);
// The tray menu's "읽지 않은 날로".
TrayResponse RespondToCatchUpCommand(bool readingOpen);

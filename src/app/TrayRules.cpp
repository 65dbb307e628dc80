#include "app/TrayRules.h"

TrayResponse RespondToTray(long mouseMessage, bool readingOpen) {
  TrayResponse response;
  if (mouseMessage != kTrayLeftDown && mouseMessage != kTrayLeftDoubleClick && mouseMessage != kTrayRightDown)
    return response;  // moves, releases and the other buttons do nothing
  response.bringForward = true;
  // While a reading window runs it only comes to the top: never a second one, never the menu.
  response.raiseReading = readingOpen;
  response.showMenu = mouseMessage == kTrayRightDown && !readingOpen;
  response.openReading = mouseMessage == kTrayLeftDoubleClick && !readingOpen;
  return response;
}

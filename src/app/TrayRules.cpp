#include "app/TrayRules.h"

namespace {

// The reading window opens, or comes to the top when it runs, and then does `action`.
TrayResponse OpenOrRaiseReading(bool readingOpen, ReadingAction action) {
  TrayResponse response;
  response.bringForward = true;
  response.raiseReading = readingOpen;
  response.openReading = !readingOpen;
  response.action = action;
  return response;
}

}  // namespace

TrayResponse RespondToTray(long mouseMessage, bool readingOpen) {
  // The balloon tells of today's reading: the click shows it, also in a window open on another day.
  if (mouseMessage == kTrayBalloonClick) return OpenOrRaiseReading(readingOpen, ReadingAction::kShowToday);
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

TrayResponse RespondToCatchUpCommand(bool readingOpen) {
  return OpenOrRaiseReading(readingOpen, ReadingAction::kCatchUp);
}

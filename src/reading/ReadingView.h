#pragma once
// What the day lookup needs from the window that shows the day. The reading window implements it;
// tests implement it to record the effects.
#include <string>

class IReadingView {
 public:
  virtual ~IReadingView() = default;
  // A message box with an OK button, the application title as caption.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // The vertical scroll bar: range 0 to maxPos, position 0, both with redraw.
  virtual void ResetScrollBar(int maxPos) = 0;
  // The date picker's range: 1 January of firstYear 00:00:00 to 31 December of lastYear 23:59:59.
  virtual void SetDateRange(int firstYear, int lastYear) = 0;
  // Called when a lookup is about to return true: the diary button shows whether the day has an entry.
  virtual void OnDayLoaded() = 0;
};

#pragma once
// What the reading window needs of the diary window beside it. The reading window makes the object through
// CReadingDlg::MakeDiaryWindow, owns it, and opens and closes its window with the diary button.
#include <windows.h>

class IDiaryWindow {
 public:
  virtual ~IDiaryWindow() = default;

  // Makes the window (hidden) on the session's day; false when it could not be made.
  virtual bool OpenDiaryWindow() = 0;
  // Stores what was typed (asking, when that fails, whether to give it up), then destroys the window; the
  // object stays for the next showing. The window stays when the user keeps the unstored text.
  virtual void CloseDiaryWindow() = 0;
  virtual HWND DiaryWindowHandle() const = 0;
  // Stores the fields when they were changed since they were last loaded or stored, as at the end of the
  // Windows session: a failed store is tried once more and then left, without a word; nothing throws.
  virtual void StoreChanges() {}
};

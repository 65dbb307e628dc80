#pragma once
// What the reading window needs of the diary window beside it. The diary window's class implements this;
// the reading window makes the object through CReadingDlg::MakeDiaryWindow and owns it.
#include <windows.h>

class IDiaryWindow {
 public:
  virtual ~IDiaryWindow() = default;

  // Makes the window (hidden, owned by the reading window); false when it could not be made.
  virtual bool OpenDiaryWindow() = 0;
  // Destroys the window; the object stays for the next showing.
  virtual void CloseDiaryWindow() = 0;
  virtual HWND DiaryWindowHandle() const = 0;
  // The range of its date picker, as the reading window's: 1 January of first to 31 December of last.
  virtual void SetDiaryDateRange(int firstYear, int lastYear) = 0;

  // The diary's date, a local time; both windows read and set it before sending WM_DATE_SYNC.
  SYSTEMTIME m_time{};
};

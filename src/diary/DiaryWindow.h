#pragma once
// What the reading window needs of the diary window beside it (IDiaryWindow), and what the diary window
// needs of the reading window (IDiaryHost). The reading window makes the diary object through
// CReadingDlg::MakeDiaryWindow and owns it.
#include <windows.h>

class CDiarySession;

class IDiaryWindow {
 public:
  virtual ~IDiaryWindow() = default;

  // Makes the window (hidden); false when it could not be made.
  virtual bool OpenDiaryWindow() = 0;
  // Stores what was typed, then destroys the window; the object stays for the next showing.
  virtual void CloseDiaryWindow() = 0;
  virtual HWND DiaryWindowHandle() const = 0;
  // The range of its date picker, as the reading window's: 1 January of first to 31 December of last.
  virtual void SetDiaryDateRange(int firstYear, int lastYear) = 0;
  // Stores the fields when they were changed since they were last loaded or stored, as at the end of the
  // Windows session: a failed store is tried once more and then left, without a word; nothing throws.
  virtual void StoreChanges() {}
};

class IDiaryHost {
 public:
  virtual ~IDiaryHost() = default;
  // The reading window: it receives WM_DATE_SYNC and WM_DIARY_CLOSE, and follows the session's date.
  virtual HWND ReadingWindow() const = 0;
  // The application's main window: owner of the diary windows and receiver of the help command. Null
  // when there is none; the diary windows are then owned by the reading window.
  virtual HWND MainWindow() const = 0;
  // The shown date and the diary database, shared by the reading, diary and search windows.
  virtual CDiarySession& DiarySession() = 0;
};

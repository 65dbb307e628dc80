#pragma once
// The diary window beside the reading window: for the session's day it shows the title, meditation and
// prayer of that day's entry, stores them, deletes the entry, and leads on to the search window and to the
// export. The reading window owns the object; the window comes and goes with the diary button. Whatever was
// typed is stored before the window goes and before the session leaves the day, by whichever way.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "base/CalendarDay.h"
#include "controls/GdiHandles.h"
#include "diary/DiaryWindow.h"
#include "diary/StoreFailurePolicy.h"
#include "reading/DayListener.h"
#include "ui/DatePicker.h"
#include "ui/DialogBase.h"

class CFindDlg;
class CReadingSession;

class CDiaryDlg : public CDialogBase, public IDiaryWindow, public IDayListener, public IDayLeaveGuard {
 public:
  // `readingWindow` is the window's parent; `mainWindow` (when there is one) owns the diary windows and gets
  // the help command on F1.
  CDiaryDlg(CReadingSession& session, HWND readingWindow, HWND mainWindow);
  ~CDiaryDlg() override;

  // IDiaryWindow
  bool OpenDiaryWindow() override;
  void CloseDiaryWindow() override;
  HWND DiaryWindowHandle() const override { return m_hWnd; }
  void StoreChanges() override;

  CFindDlg* FindDlg() const { return m_pFindDlg.get(); }
  const CalendarDay& ShownDay() const { return m_shownDay; }
  bool IsModified() const { return m_bModified; }

  // How the export asks for the file name (true with a path, false when cancelled), and how it opens the
  // written file. The program asks with the common save dialog and opens with the shell; tests replace them.
  using ChooseFileFn = std::function<bool(HWND owner, std::string& path)>;
  using OpenFileFn = std::function<void(const std::string& path, const std::string& directory)>;
  void SetExportFileChooser(ChooseFileFn chooseFile) { m_chooseFile = std::move(chooseFile); }
  void SetExportFileOpener(OpenFileFn openFile) { m_openFile = std::move(openFile); }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool PreTranslateMessage(MSG& msg) override;
  void OnDestroy() override;

 private:
  // IDayListener: the session shows another day.
  void OnDayShown() override;
  // IDayLeaveGuard: what was typed is stored before the day is left.
  bool MayLeaveDay() override { return StoreTypedText(StoreOccasion::kDateChange); }

  HWND OwnerWindow() const;
  void LoadEntry();
  // Stores the fields under the shown day; an engine failure is thrown.
  void StoreEntry();
  void ClearEntry();
  // Shows the session's day: its entry, or empty fields.
  void ShowSessionDay();
  // Copies the controls into the members (true) or the members into the controls (false).
  void UpdateData(bool fromWindow);
  void OnDelete();
  void OnFind();
  // Selects the search window's text in the fields, after it brought a result's day.
  void ShowSearchText();
  // The export of one or all entries to a text file.
  void ExportDiary();
  // Runs `write` (a store of the fields, or the deletion) and, when it fails, does what the one policy for
  // failed stores says for `occasion`: true when the occasion may go on.
  bool Write(StoreOccasion occasion, const std::function<void()>& write);
  // Stores the fields when they were changed, under the policy of `occasion`: true when the occasion may
  // go on (stored, nothing to store, or given up).
  bool StoreTypedText(StoreOccasion occasion);

  CReadingSession& m_session;
  HWND m_hMainWnd;
  ChooseFileFn m_chooseFile;
  OpenFileFn m_openFile;
  CIconHandle m_hIcon;
  CDatePicker m_picker;
  bool m_bFindShown = false;
  std::unique_ptr<CFindDlg> m_pFindDlg;
  CalendarDay m_shownDay;  // the day of the fields
  bool m_bModified = false;
  std::string m_strTitle, m_strMeditation, m_strPrayer;
};

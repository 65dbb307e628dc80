#pragma once
// The reading window: shows the passage of one date with a date picker, day steps, a diary button and a
// scroll bar that moves through the verses. It owns the reading-plan state, the diary database with its
// date index, and the diary window object, from its initialisation until its window is destroyed.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/DialogBase.h"
#include "controls/GdiHandles.h"
#include "controls/IconButton.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryWindow.h"
#include "reading/ReadingPlan.h"
#include "reading/ReadingView.h"

class CReadingDlg : public CDialogBase, public IReadingView, public CReadingPlan, public IDiaryHost {
 public:
  // The plan files and the diary lie in the folder of the program file, unless `programDir` (ending in a
  // backslash) names another folder, as tests do.
  explicit CReadingDlg(HWND parent = nullptr, std::string programDir = {});
  ~CReadingDlg() override;

  // One day back (-1) or forward (+1) through the date picker, which keeps the date within its range.
  void StepDay(int delta);
  // Paints the page onto `dc`, in client coordinates, within `clip`.
  void DrawPage(HDC dc, const RECT& clip);
  // The window that F1 asks for help; without one, the reading window's owner.
  void SetMainWindow(HWND mainWindow) { m_hMainWnd = mainWindow; }

  // Stores what was typed in the diary window, if it is open. The window's closing does this by itself;
  // the shell calls it when Windows ends the session.
  void StoreDiaryChanges();

  // IDiaryHost
  HWND ReadingWindow() const override { return m_hWnd; }
  HWND MainWindow() const override { return HelpWindow(); }
  CDiaryStore& DiaryStore() override { return m_diaryStore; }

  // IReadingView
  void ShowMessage(const std::string& text) override;
  void SetTitle(const std::string& title) override;
  void ResetScrollBar(int maxPos) override;
  void SetDateRange(int firstYear, int lastYear) override;
  void OnDayLoaded() override;

  CDiaryStore m_diaryStore;
  CIconButton m_btnPrev, m_btnNext, m_btnClose, m_btnDiary;
  HWND m_scrollBar = nullptr;
  HWND m_datePicker = nullptr;
  CIconHandle m_hIcon;
  std::unique_ptr<IDiaryWindow> m_pDiaryDlg;
  bool m_bDiaryShown = false;
  bool m_bScrollEnabled = false;
  RECT m_rcText{}, m_rcDateColumn{}, m_rcHeader{}, m_rcBelowHeader{}, m_rcBodyFull{}, m_rcBody{};
  // The icons last given to the diary button, which tell what it shows.
  int m_nDiaryHoverIcon = 0, m_nDiaryNormalIcon = 0;

 protected:
  // Makes the diary window object; without one the diary button does nothing.
  virtual std::unique_ptr<IDiaryWindow> MakeDiaryWindow();

  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool PreTranslateMessage(MSG& msg) override;
  void OnDestroy() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  // Closes the diary window before the reading window goes; false when the diary stays (its text unstored).
  bool CloseDiaryFirst();
  std::string ModuleDirectory() const;
  void LayOut(int width, int height);
  void OnScroll(int code, int thumbPos);
  void OnDateChanged();
  void OnDateSync();
  void OnDiaryButton();
  void OnDiaryClose();
  void ShowDate(const SYSTEMTIME& time);
  // Disables a day button that cannot move the shown date, moving the focus off it first.
  void UpdateDayButtons();
  void SetDiaryIcons(int hoverId, int normalId);
  void ShowDiaryEntryIcons();
  void OnPaint();
  HWND HelpWindow() const;

  std::string m_strProgramDirOverride;
  HWND m_hMainWnd = nullptr;
};

#pragma once
// The reading window: the host of the page, the day bar and the diary window beside them. It lays them out,
// keeps its title on the shown year, plays the greeting, tells what the session finds wrong with the plan
// files, and opens and closes the diary window. The reading session it owns holds the day and the files.
#include <windows.h>

#include <memory>
#include <string>

#include "controls/GdiHandles.h"
#include "controls/IconButton.h"
#include "diary/DiaryWindow.h"
#include "reading/DayBar.h"
#include "reading/DayListener.h"
#include "reading/PageZoom.h"
#include "reading/ReadingPage.h"
#include "reading/ReadingSession.h"
#include "reading/ReadingWindowRules.h"
#include "ui/DialogBase.h"
#include "ui/ToolTips.h"

class CReadingDlg : public CDialogBase, public IDayListener {
 public:
  // The plan files and the diary lie in the folder of the program file, unless `programDir` (ending in a
  // backslash) names another folder, as tests do.
  explicit CReadingDlg(HWND parent = nullptr, std::string programDir = {});
  ~CReadingDlg() override;

  // The window that F1 asks for help, and the owner of the diary windows; without one, the reading
  // window's owner.
  void SetMainWindow(HWND mainWindow) { m_hMainWnd = mainWindow; }
  // The day shown and the files behind it.
  CReadingSession& Session() { return m_session; }
  // Shows today (the tray's reminder balloon asks for it).
  void ShowToday();
  // Shows the earliest day of this year, up to today, that has a reading and no mark ("읽지 않은 날로").
  void GoToCatchUpDay();
  // Stores what was typed in the diary window, if it is open, as at the end of the Windows session.
  void StoreDiaryChanges();

  // The faces the buttons show now.
  DiaryFace DiaryButtonShows() const { return m_diaryFace; }
  bool MarkButtonShowsRead() const { return m_bar.MarkShowsRead(); }

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
  // IDayListener
  void OnDayShown() override;
  void OnPlanNotices(const std::vector<PlanNotice>& notices) override;
  void OnEntriesChanged() override { ShowDiaryFace(); }
  void OnDiaryOpenChanged() override { ShowDiaryFace(); }

  void LayOut(int width, int height);
  // Every part takes up the system's colours and its high-contrast setting.
  void UseSystemColours();
  // The window moved to a monitor of another scale: it takes the size Windows suggests and lays out anew.
  void OnDpiChanged(int dpi, const RECT& suggested);
  // The size of the buttons' icons at the window's DPI.
  BYTE IconSize() const;
  // The page takes the zoom's size and the window lays out again.
  void ApplyTextSize();
  bool PickerHasFocus() const;
  void OnDiaryButton();
  // The diary button's face for the shown day and the diary window.
  void ShowDiaryFace();
  // Closes the diary window before the reading window goes; false when the diary stays (its text unstored).
  bool CloseDiaryFirst();
  HWND HelpWindow() const;

  CReadingSession m_session;
  CReadingPage m_page;
  CDayBar m_bar;
  CPageZoom m_zoom;
  HWND m_hMainWnd = nullptr;
  HWND m_scrollBar = nullptr;
  CIconButton m_btnClose, m_btnDiary;
  CIconHandle m_hIcon;
  CToolTips m_tips;
  std::unique_ptr<IDiaryWindow> m_pDiaryDlg;
  DiaryFace m_diaryFace = DiaryFace::kEmpty;
  int m_nTitleYear = 0;
  int m_nDpi = 96;
};

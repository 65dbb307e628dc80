#pragma once
// The reading window: shows the passage of one date with a date picker, day steps, a diary button and a
// scroll bar that moves through the verses. It owns the reading plan, the diary database with its date
// index, and the diary window object, from its initialisation until its window is destroyed.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/DialogBase.h"
#include "controls/GdiHandles.h"
#include "controls/IconButton.h"
#include "diary/DiarySession.h"
#include "diary/DiaryWindow.h"
#include "reading/PageFlow.h"
#include "reading/PickerBoldDays.h"
#include "reading/ReadingLayout.h"
#include "reading/ReadingPlan.h"
#include "reading/ReadingWindowRules.h"

class CReadingDlg : public CDialogBase, public IDiaryHost {
 public:
  // The plan files and the diary lie in the folder of the program file, unless `programDir` (ending in a
  // backslash) names another folder, as tests do.
  explicit CReadingDlg(HWND parent = nullptr, std::string programDir = {});
  ~CReadingDlg() override;

  // One day back (-1) or forward (+1) through the date picker, which keeps the date within its range.
  void StepDay(int delta);
  // The window that F1 asks for help; without one, the reading window's owner.
  void SetMainWindow(HWND mainWindow) { m_hMainWnd = mainWindow; }

  // Stores what was typed in the diary window, if it is open. The window's closing does this by itself;
  // the shell calls it when Windows ends the session.
  void StoreDiaryChanges();

  // The page shown now, as the lookup gave it.
  const ReadingDay& ShownDay() const { return m_day; }
  // The face the diary button shows now.
  DiaryFace DiaryButtonShows() const { return m_diaryFace; }
  // Whether the mark button shows the shown day as read.
  bool MarkButtonShowsRead() const { return m_bMarkShown; }
  // Marks the shown day read, or unread when it is; the mark button and Space or Enter on it do this.
  void ToggleReadMark();
  // Shows the earliest day of this year, up to today, that has a reading and no mark ("읽지 않은 날로").
  void GoToCatchUpDay();
  // Shows the day, as a choice in the date picker does (within the picker's range).
  void ShowDay(const CalendarDay& day);
  // Shows today (the tray's reminder balloon asks for it).
  void ShowToday();

  // IDiaryHost
  HWND ReadingWindow() const override { return m_hWnd; }
  HWND MainWindow() const override { return HelpWindow(); }
  CDiarySession& DiarySession() override { return m_diary; }

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
  void LayOut(int width, int height);
  void OnScroll(int code, int thumbPos);
  void OnDateChanged();
  void OnDateSync();
  void OnDiaryButton();
  void OnDiaryClose();
  // Looks up the date, shows the page and what the user is to be told, and repaints the page once.
  void ShowDate(const SYSTEMTIME& time);
  void ShowNotices(const std::vector<PlanNotice>& notices);
  // The scroll bar over the verses 0 to maxPos, at the first; changed only when it shows something else.
  void ResetScrollBar(int maxPos);
  // Disables a day button that cannot move the shown date, moving the focus off it first.
  void UpdateDayButtons();
  void ShowDiaryFace(DiaryFace face);
  void ShowDiaryEntryFace();
  // The mark button's face and state, and the progress line, for the shown day and today.
  void ShowMarkAndProgress();
  // Shows the date in the picker (which keeps it within its range) and on the page, and tells the diary.
  void ShowChosenDate(SYSTEMTIME time);
  // The open diary window follows the date shown.
  void TellDiaryTheDate(const SYSTEMTIME& time);
  void ShowContextMenu(LPARAM screenPoint);
  void OnPaint();
  // Paints the page onto `dc` and applies the scroll decision its verses give.
  void PaintPage(HDC dc, const RECT& clip);
  HWND HelpWindow() const;

  std::string m_strProgramDirOverride;
  HWND m_hMainWnd = nullptr;
  std::unique_ptr<CReadingPlan> m_plan;
  ReadingDay m_day;
  int m_nFirstVerse = 0;
  bool m_bScrollEnabled = false;
  ReadingLayout m_layout;
  CDiarySession m_diary;
  CIconButton m_btnPrev, m_btnNext, m_btnClose, m_btnDiary, m_btnMark;
  HWND m_scrollBar = nullptr;
  HWND m_datePicker = nullptr;
  CPickerBoldDays m_pickerBoldDays;  // read days in bold in the picker's calendar
  HWND m_progressText = nullptr;
  CIconHandle m_hIcon;
  std::unique_ptr<IDiaryWindow> m_pDiaryDlg;
  bool m_bDiaryShown = false;
  DiaryFace m_diaryFace = DiaryFace::kEmpty;
  bool m_bMarkShown = false;
};

// Paints the reading page of `day` onto `dc`, in client coordinates, within `clip`, with the verses
// from `firstVerse`; changes nothing else. Returns where the verses ended, for the scroll decision.
VerseFlow DrawReadingPage(HDC dc, const RECT& clip, HFONT font, const ReadingLayout& layout, const ReadingDay& day,
                          int firstVerse);

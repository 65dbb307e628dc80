#pragma once
// The reading window's day bar: the date picker with its read days in bold, the day steps, the mark button
// and the progress line. It binds to the window's controls, asks the session for the days the user picks,
// steps to or marks, and shows what the session tells it.
#include <windows.h>

#include "controls/IconButton.h"
#include "reading/DayListener.h"
#include "reading/PickerBoldDays.h"
#include "reading/ReadingLayout.h"
#include "ui/DatePicker.h"

class CReadingSession;

class CDayBar : public IDayListener {
 public:
  explicit CDayBar(CReadingSession& session);
  ~CDayBar() override;
  CDayBar(const CDayBar&) = delete;
  CDayBar& operator=(const CDayBar&) = delete;

  // Binds to the controls of the reading window and gives the day buttons their icons.
  void Attach(HWND readingWindow);
  void Detach();
  void LayOut(const ReadingLayout& layout);
  // The buttons' icons at the size the DPI asks for.
  void UseDpi(int dpi);
  // The system's colours or its high-contrast setting: the buttons take them up and repaint.
  void UseSystemColours(bool highContrast);
  // The window's command or notification, when it concerns the bar: true when handled.
  bool OnCommand(WORD id, WORD code);
  bool OnNotify(NMHDR* header, LRESULT& result);

  HWND Picker() const { return m_picker.Hwnd(); }
  HWND MarkButton() const { return m_btnMark.GetSafeHwnd(); }
  // Whether the mark button shows the shown day as read.
  bool MarkShowsRead() const { return m_bMarkShown; }
  // Marks the shown day read, or unread when it is; the mark button and Space or Enter on it do this.
  void ToggleReadMark();
  // Shows the earliest day of this year, up to today, that has a reading and no mark ("읽지 않은 날로"), or
  // says why there is none.
  void GoToCatchUpDay();
  // The window's context menu with "읽지 않은 날로" and "본문 복사", at the point, or at the mark button from
  // the keyboard.
  void ShowContextMenu(LPARAM screenPoint);

  // IDayListener
  void OnDayShown() override;
  void OnMarksChanged() override;

 private:
  void OnDateChanged();
  // The mark button's face and state, and the progress line, for the shown day and today.
  void ShowMarkAndProgress();
  void LoadMarkIcons();
  // Disables a day button that cannot move the shown date, moving the focus off it first.
  void UpdateDayButtons();

  CReadingSession& m_session;
  HWND m_hWindow = nullptr;
  CDatePicker m_picker;
  bool m_bRangeSet = false;
  CPickerBoldDays m_pickerBoldDays;
  CIconButton m_btnPrev, m_btnNext, m_btnMark;
  HWND m_progressText = nullptr;
  bool m_bMarkShown = false;
  BYTE m_iconSize = 32;
};

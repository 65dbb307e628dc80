#include "reading/DayBar.h"

#include <commctrl.h>

#include "db/DaoException.h"
#include "habit/BoldDays.h"
#include "habit/ReadingProgress.h"
#include "reading/ReadingSession.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/IconSize.h"
#include "ui/ResourceText.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

namespace {

void Place(HWND control, const ControlPlace& place) {
  if (control) ::MoveWindow(control, place.x, place.y, place.width, place.height, TRUE);
}

void RedrawNow(HWND window) {
  if (window) ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

CDayBar::CDayBar(CReadingSession& session) : m_session(session) {}

CDayBar::~CDayBar() { Detach(); }

void CDayBar::Attach(HWND readingWindow) {
  m_hWindow = readingWindow;
  m_btnPrev.SubclassDlgItem(IDC_PREV_DAY, readingWindow);
  m_btnNext.SubclassDlgItem(IDC_NEXT_DAY, readingWindow);
  m_btnMark.SubclassDlgItem(IDC_MARK_READ, readingWindow);
  m_progressText = ::GetDlgItem(readingWindow, IDC_HABIT_PROGRESS);
  m_picker.Attach(::GetDlgItem(readingWindow, IDC_READING_DATE));
  m_picker.UseKoreanDateWhereTheLocaleIsNot();
  m_pickerBoldDays.Attach(m_picker.Hwnd(), [this](int year, int month, int count) {
    return m_session.CanMark() ? BoldDayBits(m_session.Marks(), year, month, count) : std::vector<uint32_t>(count, 0);
  });
  for (CIconButton* button : {&m_btnPrev, &m_btnNext, &m_btnMark}) {
    button->SetHoverFrame(false);
    button->SetCaptionShown(false);
  }
}

void CDayBar::UseDpi(int dpi) {
  m_iconSize = static_cast<BYTE>(IconSizeForDpi(32, dpi));
  m_btnPrev.LoadIconPair(IDI_PREV_HOVER, IDI_PREV_NORMAL, m_iconSize, m_iconSize);
  m_btnNext.LoadIconPair(IDI_NEXT_HOVER, IDI_NEXT_NORMAL, m_iconSize, m_iconSize);
  LoadMarkIcons();
  for (HWND button : {m_btnPrev.GetSafeHwnd(), m_btnNext.GetSafeHwnd(), m_btnMark.GetSafeHwnd()})
    ::InvalidateRect(button, nullptr, TRUE);
}

void CDayBar::LoadMarkIcons() {
  if (m_bMarkShown)
    m_btnMark.LoadIconPair(IDI_MARK_READ_HOVER, IDI_MARK_READ_NORMAL, m_iconSize, m_iconSize);
  else
    m_btnMark.LoadIconPair(IDI_MARK_UNREAD_HOVER, IDI_MARK_UNREAD_NORMAL, m_iconSize, m_iconSize);
}

void CDayBar::Detach() { m_pickerBoldDays.Detach(); }

void CDayBar::UseSystemColours(bool highContrast) {
  for (CIconButton* button : {&m_btnPrev, &m_btnNext, &m_btnMark}) {
    button->UseSystemColours(highContrast);
    ::InvalidateRect(button->GetSafeHwnd(), nullptr, TRUE);
  }
}

void CDayBar::LayOut(const ReadingLayout& layout) {
  Place(m_btnPrev.GetSafeHwnd(), layout.prevDay);
  Place(m_btnNext.GetSafeHwnd(), layout.nextDay);
  Place(m_picker.Hwnd(), layout.datePicker);
  Place(m_btnMark.GetSafeHwnd(), layout.markRead);
  Place(m_progressText, layout.progress);
}

// ---- What the bar shows

void CDayBar::OnDayShown() {
  // The selectable years are known once the first day is shown.
  const YearRange years = m_session.SelectableYears();
  if (!m_bRangeSet && years.bKnown) {
    m_picker.SetYearRange(years.nFirstYear, years.nLastYear);
    m_bRangeSet = true;
  }
  if (m_picker.Day() != m_session.ShownDay()) m_picker.SetDay(m_session.ShownDay());
  ShowMarkAndProgress();
  UpdateDayButtons();
}

void CDayBar::OnMarksChanged() { ShowMarkAndProgress(); }

void CDayBar::ShowMarkAndProgress() {
  // A day can be marked only where the diary keeps marks and the day has a reading: the progress line,
  // catch-up and the reminder count those days alone.
  const bool markable = m_session.CanMark() && m_session.Page().bHasPassage;
  const HWND button = m_btnMark.GetSafeHwnd();
  if (!markable && ::GetFocus() == button) ::SendMessageW(m_hWindow, WM_NEXTDLGCTL, 0, FALSE);
  ::EnableWindow(button, markable ? TRUE : FALSE);
  const bool marked = m_session.Marks().IsMarked(m_session.ShownDay());
  if (marked != m_bMarkShown || !m_btnMark.GetNormalIcon()) {
    m_bMarkShown = marked;
    LoadMarkIcons();
    RedrawNow(button);
  }
  // Without marks there is no progress to tell.
  const std::string text =
      m_session.CanMark() ? LoadText(ProgressText(ComputeProgress(m_session.Marks(), Today()))) : std::string();
  if (text != WindowTextUtf8(m_progressText)) SetWindowTextUtf8(m_progressText, text);
}

void CDayBar::UpdateDayButtons() {
  const DayStepLimits limits = m_session.StepLimits();
  const HWND prev = m_btnPrev.GetSafeHwnd(), next = m_btnNext.GetSafeHwnd();
  // A disabled button with the focus would leave Enter and Space to nothing (or to closing the window):
  // the focus goes to the other day button, which steps back from the end, else to the date picker.
  const HWND focus = ::GetFocus();
  const bool losesFocus = (focus == prev && !limits.bCanStepBack) || (focus == next && !limits.bCanStepForward);
  if (losesFocus) {
    const bool otherUsable = focus == prev ? limits.bCanStepForward : limits.bCanStepBack;
    const HWND target = otherUsable ? (focus == prev ? next : prev) : m_picker.Hwnd();
    ::SendMessageW(m_hWindow, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  }
  if (prev) ::EnableWindow(prev, limits.bCanStepBack ? TRUE : FALSE);
  if (next) ::EnableWindow(next, limits.bCanStepForward ? TRUE : FALSE);
}

// ---- What the user does

void CDayBar::ToggleReadMark() {
  if (!m_session.CanMark() || !m_session.Page().bHasPassage) return;
  const CalendarDay day = m_session.ShownDay();
  try {
    m_session.SetMarked(day, !m_session.Marks().IsMarked(day));
  } catch (const CDaoException& error) {
    // The marks held stay as stored; the button shows them.
    AppMessageBox(m_hWindow, m_session.FailureMessage(IDS_MARK_STORE_FAILED, error), MB_OK | MB_ICONEXCLAMATION);
    ShowMarkAndProgress();
  }
}

void CDayBar::GoToCatchUpDay() {
  // Without marks every day would look unread.
  if (!m_session.CanMark()) {
    AppMessageBox(m_hWindow, MessageText(IDS_CATCH_UP_WITHOUT_MARKS), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  switch (m_session.GoToCatchUpDay(Today())) {
    case CatchUp::Outcome::kFound:
      return;
    case CatchUp::Outcome::kAllRead:
      AppMessageBox(m_hWindow, MessageText(IDS_CATCH_UP_NONE), MB_OK | MB_ICONINFORMATION);
      return;
    case CatchUp::Outcome::kNoReading:
      AppMessageBox(m_hWindow, MessageText(IDS_CATCH_UP_NO_READING), MB_OK | MB_ICONINFORMATION);
      return;
  }
}

void CDayBar::ShowContextMenu(LPARAM screenPoint) {
  POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == -1) {
    RECT button;
    ::GetWindowRect(m_btnMark.GetSafeHwnd(), &button);
    at = POINT{button.left, button.top};
  }
  CMenuHandle menu(::CreatePopupMenu());
  if (!menu.Get()) return;
  const std::wstring item = Widen(LoadText(MessageText(IDS_CATCH_UP)));
  ::AppendMenuW(menu.Get(), MF_STRING | (m_session.CanMark() ? MF_ENABLED : MF_GRAYED), ID_CATCH_UP, item.c_str());
  const std::wstring copy = Widen(LoadText(IDS_COPY_PASSAGE));
  ::AppendMenuW(menu.Get(), MF_STRING, ID_COPY_PASSAGE, copy.c_str());
  ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWindow, nullptr);
}

void CDayBar::OnDateChanged() {
  // A day the open diary cannot leave (what was typed could not be stored) puts the picker back.
  if (!m_session.ShowDay(m_picker.Day())) m_picker.SetDay(m_session.ShownDay());
}

bool CDayBar::OnCommand(WORD id, WORD code) {
  // An owner-drawn button reports the second click of a quick pair as a double click; each click of the
  // day buttons is a step all the same.
  if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && (id == IDC_PREV_DAY || id == IDC_NEXT_DAY)) {
    m_session.StepDay(id == IDC_NEXT_DAY ? +1 : -1);
    return true;
  }
  if (code == BN_CLICKED && id == IDC_MARK_READ) {
    ToggleReadMark();
    return true;
  }
  if (code == BN_CLICKED && id == ID_CATCH_UP) {
    GoToCatchUpDay();
    return true;
  }
  return false;
}

bool CDayBar::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom != IDC_READING_DATE) return false;
  if (header->code == DTN_DATETIMECHANGE) {
    OnDateChanged();
    result = 0;
    return true;
  }
  if (header->code == DTN_DROPDOWN) {
    m_pickerBoldDays.OnDropDown();
    result = 0;
    return true;
  }
  return false;
}

#include "reading/ReadingDlg.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "diary/DiaryBackupRun.h"
#include "diary/DiaryDate.h"
#include "diary/DiaryDlg.h"
#include "diary/DiaryPickerDate.h"
#include "db/DaoException.h"
#include "habit/BoldDays.h"
#include "habit/CatchUpDay.h"
#include "habit/ReadingProgress.h"
#include "ui/AppMessageBox.h"
#include "ui/ResourceText.h"
#include "ui/WideText.h"
#include "ui/SystemCalls.h"
#include "ui/WindowText.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/LocalDate.h"
#include "ui/ModuleFolder.h"
#include "reading/DayStepLimits.h"
#include "reading/ReadingTexts.h"
#include "reading/VerseScroll.h"
#include "base/ProgramFiles.h"

namespace {

constexpr int kIconSize = 32;

RECT ToRect(const PageRect& page) { return RECT{page.left, page.top, page.right, page.bottom}; }

void SetTitle(HWND window, int year) { SetWindowTextUtf8(window, ReadingWindowTitle(kReadingAppTitle, year)); }

// The hover and normal icons of each face of the diary button.
struct DiaryIcons {
  int hover, normal;
};
DiaryIcons IconsOf(DiaryFace face) {
  switch (face) {
    case DiaryFace::kWritten:
      return {IDI_DIARY_WRITTEN_HOVER, IDI_DIARY_WRITTEN_NORMAL};
    case DiaryFace::kOpen:
      return {IDI_DIARY_OPEN_HOVER, IDI_DIARY_OPEN_NORMAL};
    case DiaryFace::kEmpty:
      break;
  }
  return {IDI_DIARY_EMPTY_HOVER, IDI_DIARY_EMPTY_NORMAL};
}

CalendarDay CalendarDayOf(const ReadingDay& day) { return CalendarDay{day.nYear, day.nMonth, day.nDay}; }

CalendarDay Today() {
  SYSTEMTIME now;
  TheSystemCalls().getLocalTime(&now);
  return CalendarDay{now.wYear, now.wMonth, now.wDay};
}

void Place(HWND control, const ControlPlace& place) {
  if (control) ::MoveWindow(control, place.x, place.y, place.width, place.height, TRUE);
}

void RedrawNow(HWND window) {
  if (window) ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

CReadingDlg::CReadingDlg(HWND parent, std::string programDir)
    : CDialogBase(IDD_READING, parent), m_strProgramDirOverride(std::move(programDir)) {}

CReadingDlg::~CReadingDlg() {
  // Destroyed here, not in the base, so that OnDestroy still releases our databases.
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

BOOL CReadingDlg::OnInitDialog() {
  m_btnPrev.SubclassDlgItem(IDC_PREV_DAY, m_hWnd);
  m_btnNext.SubclassDlgItem(IDC_NEXT_DAY, m_hWnd);
  m_btnClose.SubclassDlgItem(IDOK, m_hWnd);
  m_btnDiary.SubclassDlgItem(IDC_DIARY_BUTTON, m_hWnd);
  m_btnMark.SubclassDlgItem(IDC_MARK_READ, m_hWnd);
  m_progressText = GetDlgItem(IDC_HABIT_PROGRESS);
  m_scrollBar = GetDlgItem(IDC_READING_SCROLL);
  m_datePicker = GetDlgItem(IDC_READING_DATE);
  UseKoreanDateWhereTheLocaleIsNot(m_datePicker);
  m_pickerBoldDays.Attach(m_datePicker, [this](int year, int month, int count) {
    return m_diary.CanMark() ? BoldDayBits(m_diary.Marks(), year, month, count) : std::vector<uint32_t>(count, 0);
  });

  // The page is painted around the controls, never over them.
  ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);

  const std::string programDir = m_strProgramDirOverride.empty() ? ModuleFolder() : m_strProgramDirOverride;
  m_plan = std::make_unique<CReadingPlan>(programDir);

  SYSTEMTIME now;
  TheSystemCalls().getLocalTime(&now);
  SetPickerTime(m_datePicker, now);

  m_bDiaryShown = false;
  SetTitle(m_hWnd, now.wYear);

  // From the program folder, wherever the current directory is; a missing greeting file plays the system's
  // default sound instead.
  TheSystemCalls().playSound(Widen(GreetingSoundPath(programDir)).c_str(), nullptr, SND_FILENAME | SND_ASYNC);

  m_hIcon.Reset(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon.Get()));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon.Get()));

  RECT client;
  ::GetClientRect(m_hWnd, &client);
  LayOut(client.right, client.bottom);

  ShowNotices(m_plan->OpenPlanFile(now.wYear, true).notices);
  const YearRange years = m_plan->SelectableYears();
  if (years.bKnown) SetPickerYearRange(m_datePicker, years.nFirstYear, years.nLastYear);
  m_diary.Open(programDir);
  // The day's copy of a diary that opened, made before the window shows and any typing can start.
  if (m_diary.HasDiary()) BackUpDiaryOfTheDay(m_hWnd, programDir);
  ShowDate(now);

  m_btnPrev.LoadIconPair(IDI_PREV_HOVER, IDI_PREV_NORMAL, kIconSize, kIconSize);
  m_btnNext.LoadIconPair(IDI_NEXT_HOVER, IDI_NEXT_NORMAL, kIconSize, kIconSize);
  m_btnClose.LoadIconPair(IDI_CLOSE_HOVER, IDI_CLOSE_NORMAL, kIconSize, kIconSize);
  for (CIconButton* button : {&m_btnPrev, &m_btnNext, &m_btnClose, &m_btnDiary, &m_btnMark})
    button->SetHoverFrame(false);

  m_pDiaryDlg = MakeDiaryWindow();
  // The first focus is on the previous-day button, though the tab order starts at the date picker.
  ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_btnPrev.GetSafeHwnd()), TRUE);
  return FALSE;
}

void CReadingDlg::LayOut(int width, int height) {
  const ReadingLayout layout = LayOutReadingWindow(width, height);
  m_layout = layout;
  Place(m_scrollBar, layout.scrollBar);
  Place(m_btnPrev.GetSafeHwnd(), layout.prevDay);
  Place(m_btnNext.GetSafeHwnd(), layout.nextDay);
  Place(m_btnDiary.GetSafeHwnd(), layout.diary);
  Place(m_btnClose.GetSafeHwnd(), layout.close);
  Place(m_datePicker, layout.datePicker);
  Place(m_btnMark.GetSafeHwnd(), layout.markRead);
  Place(m_progressText, layout.progress);
}

// ---- What the window shows

void CReadingDlg::ShowNotices(const std::vector<PlanNotice>& notices) {
  for (const PlanNotice& notice : notices)
    for (const MessageText& text : PlanNoticeBoxes(notice)) AppMessageBox(m_hWnd, text, MB_OK);
}

void CReadingDlg::ShowDiaryFace(DiaryFace face) {
  if (face == m_diaryFace && m_btnDiary.GetNormalIcon()) return;
  const DiaryIcons icons = IconsOf(face);
  m_btnDiary.LoadIconPair(icons.hover, icons.normal, kIconSize, kIconSize);
  m_diaryFace = face;
  RedrawNow(m_btnDiary.GetSafeHwnd());
}

void CReadingDlg::ShowDiaryEntryFace() {
  ShowDiaryFace(DiaryButtonFace(m_bDiaryShown, m_diary.HasEntry(m_day.DateKey())));
}

void CReadingDlg::ShowMarkAndProgress() {
  // A day can be marked only where the diary keeps marks and the day has a reading: the progress line,
  // catch-up and the reminder count those days alone.
  const bool markable = m_diary.CanMark() && m_day.bHasPassage;
  const HWND button = m_btnMark.GetSafeHwnd();
  if (!markable && ::GetFocus() == button) ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
  ::EnableWindow(button, markable ? TRUE : FALSE);
  const bool marked = m_diary.Marks().IsMarked(CalendarDayOf(m_day));
  if (marked != m_bMarkShown || !m_btnMark.GetNormalIcon()) {
    if (marked)
      m_btnMark.LoadIconPair(IDI_MARK_READ_HOVER, IDI_MARK_READ_NORMAL, kIconSize, kIconSize);
    else
      m_btnMark.LoadIconPair(IDI_MARK_UNREAD_HOVER, IDI_MARK_UNREAD_NORMAL, kIconSize, kIconSize);
    m_bMarkShown = marked;
    RedrawNow(m_btnMark.GetSafeHwnd());
  }
  // Without marks there is no progress to tell.
  const std::string text =
      m_diary.CanMark() ? LoadText(ProgressText(ComputeProgress(m_diary.Marks(), Today()))) : std::string();
  if (text != WindowTextUtf8(m_progressText)) SetWindowTextUtf8(m_progressText, text);
}

void CReadingDlg::ToggleReadMark() {
  if (!m_diary.CanMark() || !m_day.bHasPassage) return;
  const CalendarDay day = CalendarDayOf(m_day);
  try {
    m_diary.SetMarked(day, !m_diary.Marks().IsMarked(day));
  } catch (const CDaoException& error) {
    // The marks held stay as stored; the button shows them below.
    AppMessageBox(m_hWnd, m_diary.MarkFailureMessage(error), MB_OK | MB_ICONEXCLAMATION);
  }
  ShowMarkAndProgress();
}

void CReadingDlg::GoToCatchUpDay() {
  // Without marks every day would look unread.
  if (!m_diary.CanMark()) {
    AppMessageBox(m_hWnd, MessageText(IDS_CATCH_UP_WITHOUT_MARKS), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const CatchUp catchUp = FindCatchUpDay(m_diary.Marks(), Today(), [this](const CalendarDay& asked) {
    DayLookup lookup = m_plan->LookUpDay(asked.year, asked.month, asked.day);
    ShowNotices(lookup.notices);
    return lookup.day.bHasPassage;
  });
  switch (catchUp.outcome) {
    case CatchUp::Outcome::kFound:
      ShowDay(catchUp.day);
      return;
    case CatchUp::Outcome::kAllRead:
      AppMessageBox(m_hWnd, MessageText(IDS_CATCH_UP_NONE), MB_OK | MB_ICONINFORMATION);
      return;
    case CatchUp::Outcome::kNoReading:
      AppMessageBox(m_hWnd, MessageText(IDS_CATCH_UP_NO_READING), MB_OK | MB_ICONINFORMATION);
      return;
  }
}

void CReadingDlg::ShowDay(const CalendarDay& day) {
  SYSTEMTIME time = GetPickerTime(m_datePicker);
  time.wYear = static_cast<WORD>(day.year);
  time.wMonth = static_cast<WORD>(day.month);
  time.wDay = static_cast<WORD>(day.day);
  ShowChosenDate(time);
}

void CReadingDlg::ShowToday() { ShowDay(Today()); }

void CReadingDlg::ShowContextMenu(LPARAM screenPoint) {
  POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  // From the keyboard (Shift+F10, the menu key) the menu opens at the mark button.
  if (screenPoint == -1) {
    RECT button;
    ::GetWindowRect(m_btnMark.GetSafeHwnd(), &button);
    at = POINT{button.left, button.top};
  }
  CMenuHandle menu(::CreatePopupMenu());
  if (!menu.Get()) return;
  const std::wstring item = Widen(LoadText(MessageText(IDS_CATCH_UP)));
  ::AppendMenuW(menu.Get(), MF_STRING | (m_diary.CanMark() ? MF_ENABLED : MF_GRAYED), ID_CATCH_UP, item.c_str());
  ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
}

// ---- Dates

void CReadingDlg::StepDay(int delta) { ShowChosenDate(ShiftDays(GetPickerTime(m_datePicker), delta)); }

void CReadingDlg::ShowChosenDate(SYSTEMTIME time) {
  SetPickerTime(m_datePicker, time);
  // At either end of its range the picker refuses the new date; what it holds is the date.
  time = GetPickerTime(m_datePicker);
  ShowDate(time);
  TellDiaryTheDate(time);
}

void CReadingDlg::ShowDate(const SYSTEMTIME& time) {
  const int shownYear = m_day.nYear;
  DayLookup lookup = m_plan->LookUpDay(time.wYear, time.wMonth, time.wDay);
  m_day = std::move(lookup.day);
  if (m_day.nYear != shownYear) SetTitle(m_hWnd, m_day.nYear);
  ShowNotices(lookup.notices);
  m_nFirstVerse = 0;
  ResetScrollBar(m_day.VerseCount() - 1);
  ShowDiaryEntryFace();
  ShowMarkAndProgress();
  UpdateDayButtons();
  // One repaint for the whole step: the page under the picker and the scroll bar.
  RECT page = ToRect(m_layout.rcText);
  ::InvalidateRect(m_hWnd, &page, FALSE);
}

void CReadingDlg::ResetScrollBar(int maxPos) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS;
  ::GetScrollInfo(m_scrollBar, SB_CTL, &info);
  if (info.nMin == 0 && info.nMax == maxPos && info.nPos == 0) return;
  // The bar has no page size, so its thumb keeps its size: at the top, a new range looks the same unless
  // it becomes or stops being empty. Drawing the bar costs as much as the whole page under Wine.
  const bool looksChanged = info.nPos != 0 || (info.nMax > info.nMin) != (maxPos > 0);
  info.nMin = 0;
  info.nMax = maxPos;
  info.nPos = 0;
  ::SetScrollInfo(m_scrollBar, SB_CTL, &info, FALSE);
  if (looksChanged) ::InvalidateRect(m_scrollBar, nullptr, FALSE);
}

void CReadingDlg::UpdateDayButtons() {
  const DayStepLimits limits = StepLimitsAt(m_plan->SelectableYears(), m_day.nYear, m_day.nMonth, m_day.nDay);
  const HWND prev = m_btnPrev.GetSafeHwnd(), next = m_btnNext.GetSafeHwnd();
  // A disabled button with the focus would leave Enter and Space to nothing (or to closing the window):
  // the focus goes to the other day button, which steps back from the end, else to the date picker.
  const HWND focus = ::GetFocus();
  const bool losesFocus = (focus == prev && !limits.bCanStepBack) || (focus == next && !limits.bCanStepForward);
  if (losesFocus) {
    const bool otherUsable = focus == prev ? limits.bCanStepForward : limits.bCanStepBack;
    const HWND target = otherUsable ? (focus == prev ? next : prev) : m_datePicker;
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  }
  if (prev) ::EnableWindow(prev, limits.bCanStepBack ? TRUE : FALSE);
  if (next) ::EnableWindow(next, limits.bCanStepForward ? TRUE : FALSE);
}

void CReadingDlg::TellDiaryTheDate(const SYSTEMTIME& time) {
  if (!m_bDiaryShown || !m_pDiaryDlg) return;
  m_diary.SetShownDate(DateOf(time));
  ::SendMessageW(m_pDiaryDlg->DiaryWindowHandle(), WM_DATE_SYNC, 0, 0);
}

void CReadingDlg::OnDateChanged() {
  const SYSTEMTIME time = GetPickerTime(m_datePicker);
  if (IsSameDate(time, m_day.nYear, m_day.nMonth, m_day.nDay)) return;
  ShowDate(time);
  TellDiaryTheDate(time);
}

void CReadingDlg::OnDateSync() {
  if (!m_pDiaryDlg) return;
  const SYSTEMTIME time = PickerTimeOf(m_diary.ShownDate());
  SetPickerTime(m_datePicker, time);
  // The diary answers our own sync with the date we just gave it; that changes nothing here.
  if (!IsSameDate(time, m_day.nYear, m_day.nMonth, m_day.nDay)) ShowDate(time);
}

// ---- Diary window

void CReadingDlg::OnDiaryButton() {
  if (m_bDiaryShown) {
    ::SendMessageW(m_hWnd, WM_DIARY_CLOSE, 0, 0);
    return;
  }
  if (!m_pDiaryDlg) return;
  // A diary that could not keep what is typed is not opened; the button says why at every press.
  if (!m_diary.Unavailable().IsAvailable()) {
    AppMessageBox(m_hWnd, m_diary.Unavailable().Message(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  m_diary.SetShownDate(DateOf(GetPickerTime(m_datePicker)));
  if (!m_pDiaryDlg->OpenDiaryWindow()) return;
  HWND diary = m_pDiaryDlg->DiaryWindowHandle();
  RECT place;
  ::GetWindowRect(diary, &place);
  const WindowPoint at = DiaryWindowPlace({place.left, place.top});
  ::MoveWindow(diary, at.x, at.y, place.right - place.left, place.bottom - place.top, FALSE);
  const YearRange years = DiaryYears(m_plan->SelectableYears(), m_day.nYear);
  m_pDiaryDlg->SetDiaryDateRange(years.nFirstYear, years.nLastYear);
  ::ShowWindow(diary, SW_SHOWNORMAL);
  m_bDiaryShown = true;
  ShowDiaryEntryFace();
}

std::unique_ptr<IDiaryWindow> CReadingDlg::MakeDiaryWindow() { return std::make_unique<CDiaryDlg>(*this); }

void CReadingDlg::StoreDiaryChanges() {
  if (m_bDiaryShown && m_pDiaryDlg) m_pDiaryDlg->StoreChanges();
}

void CReadingDlg::OnDiaryClose() {
  if (m_pDiaryDlg) {
    m_pDiaryDlg->CloseDiaryWindow();
    // A diary that could not store what was typed stays open.
    if (m_pDiaryDlg->DiaryWindowHandle()) return;
  }
  m_bDiaryShown = false;
  ShowDiaryEntryFace();
}

// ---- Scrolling and keys

void CReadingDlg::OnScroll(int code, int thumbPos) {
  if (!ScrollVerses(code, thumbPos, m_day.verses, m_day.VerseCount(), m_nFirstVerse)) return;
  ::SetScrollPos(m_scrollBar, SB_CTL, m_nFirstVerse, TRUE);
  RECT belowHeader = ToRect(m_layout.rcBelowHeader);
  ::InvalidateRect(m_hWnd, &belowHeader, FALSE);
}

HWND CReadingDlg::HelpWindow() const { return m_hMainWnd ? m_hMainWnd : ::GetWindow(m_hWnd, GW_OWNER); }

bool CReadingDlg::PreTranslateMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.wParam == VK_F1) {
    if (HWND help = HelpWindow()) ::SendMessageW(help, WM_COMMAND, ID_HELP_OPEN, 0);
    return false;
  }
  const int code = ScrollCodeForKey(static_cast<int>(msg.wParam));
  if (code == kNoScroll) return false;
  // The date picker uses these keys for its own fields.
  HWND focus = ::GetFocus();
  if (focus && (focus == m_datePicker || ::IsChild(m_datePicker, focus))) return false;
  if (m_bScrollEnabled) OnScroll(code, 0);
  return true;
}

// ---- Messages

bool CReadingDlg::OnCommand(WORD id, WORD code, HWND control) {
  // An owner-drawn button reports the second click of a quick pair as a double click; each click of the
  // day buttons is a step all the same.
  if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && (id == IDC_PREV_DAY || id == IDC_NEXT_DAY)) {
    StepDay(id == IDC_NEXT_DAY ? +1 : -1);
    return true;
  }
  if (code == BN_CLICKED) {
    switch (id) {
      case IDC_DIARY_BUTTON:
        OnDiaryButton();
        return true;
      case IDC_MARK_READ:
        ToggleReadMark();
        return true;
      case ID_CATCH_UP:
        GoToCatchUpDay();
        return true;
      default:
        break;
    }
  }
  return CDialogBase::OnCommand(id, code, control);
}

bool CReadingDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom == IDC_READING_DATE && header->code == DTN_DATETIMECHANGE) {
    OnDateChanged();
    result = 0;
    return true;
  }
  if (header->idFrom == IDC_READING_DATE && header->code == DTN_DROPDOWN) {
    m_pickerBoldDays.OnDropDown();
    result = 0;
    return true;
  }
  return false;
}

bool CReadingDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      result = 0;
      return true;
    case WM_PRINTCLIENT: {
      RECT client;
      ::GetClientRect(m_hWnd, &client);
      PaintPage(reinterpret_cast<HDC>(wParam), client);
      result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      // The page paints every pixel it is asked to; erasing first would only flicker.
      result = TRUE;
      return true;
    case WM_SIZE:
      // A minimised window has no page to lay out.
      if (wParam != SIZE_MINIMIZED) {
        LayOut(LOWORD(lParam), HIWORD(lParam));
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
      }
      return false;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize.x = READING_MIN_WIDTH;
      info->ptMinTrackSize.y = READING_MIN_HEIGHT;
      result = 0;
      return true;
    }
    case WM_SHOWWINDOW:
      if (wParam) ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
      return false;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == m_scrollBar) OnScroll(LOWORD(wParam), HIWORD(wParam));
      result = 0;
      return true;
    case WM_CONTEXTMENU:
      ShowContextMenu(lParam);
      result = 0;
      return true;
    case WM_DATE_SYNC:
      OnDateSync();
      result = 0;
      return true;
    case WM_DIARY_CLOSE:
      OnDiaryClose();
      result = 0;
      return true;
    default:
      return false;
  }
}

bool CReadingDlg::CloseDiaryFirst() {
  if (m_bDiaryShown) OnDiaryClose();
  return !m_bDiaryShown;
}

void CReadingDlg::OnOK() {
  if (CloseDiaryFirst()) CDialogBase::OnOK();
}

void CReadingDlg::OnCancel() {
  if (CloseDiaryFirst()) CDialogBase::OnCancel();
}

void CReadingDlg::OnDestroy() {
  m_pickerBoldDays.Detach();
  if (m_plan) m_plan->Release();
  m_pDiaryDlg.reset();
  m_diary.Release();
}

#include "reading/ReadingDlg.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <cstdio>

#include "diary/DiaryDate.h"
#include "diary/DiaryDlg.h"
#include "ui/AppMessageBox.h"
#include "ui/SystemCalls.h"
#include "res/Resource.h"
#include "ui/LocalDate.h"
#include "ui/ModuleFolder.h"
#include "reading/DayStepLimits.h"
#include "reading/ReadingLayout.h"
#include "reading/VerseScroll.h"

namespace {

constexpr int kIconSize = 32;

std::string ReadingTitle(int year) {
  char title[64];
  std::snprintf(title, sizeof title, "베스페랄읽기 - %d", year);
  return title;
}

RECT ToRect(const PageRect& page) { return RECT{page.left, page.top, page.right, page.bottom}; }

void Place(HWND control, const ControlPlace& place) {
  if (control) ::MoveWindow(control, place.x, place.y, place.width, place.height, TRUE);
}

void RedrawNow(HWND window) {
  if (window) ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

CReadingDlg::CReadingDlg(HWND parent, std::string programDir)
    : CDialogBase(IDD_READING, parent),
      CReadingPlan(static_cast<IReadingView&>(*this)),
      m_strProgramDirOverride(std::move(programDir)) {}

CReadingDlg::~CReadingDlg() {
  // Destroyed here, not in the base, so that OnDestroy still releases our databases.
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

std::string CReadingDlg::ModuleDirectory() const { return ModuleFolder(); }

BOOL CReadingDlg::OnInitDialog() {
  m_btnPrev.SubclassDlgItem(IDC_PREV_DAY, m_hWnd);
  m_btnNext.SubclassDlgItem(IDC_NEXT_DAY, m_hWnd);
  m_btnClose.SubclassDlgItem(IDOK, m_hWnd);
  m_btnDiary.SubclassDlgItem(IDC_DIARY_BUTTON, m_hWnd);
  m_scrollBar = GetDlgItem(IDC_READING_SCROLL);
  m_datePicker = GetDlgItem(IDC_READING_DATE);

  // The page is painted around the controls, never over them.
  ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);

  m_strProgramDir = m_strProgramDirOverride.empty() ? ModuleDirectory() : m_strProgramDirOverride;

  SYSTEMTIME now;
  ::GetLocalTime(&now);
  m_nYear = m_nFileYear = now.wYear;
  m_nMonth = now.wMonth;
  m_nDay = now.wDay;
  SetPickerTime(m_datePicker, now);

  m_bDiaryShown = false;
  m_strDateKey = MakeDateKey(m_nYear, m_nMonth, m_nDay);
  SetTitle(ReadingTitle(m_nYear));

  // A missing greeting file plays the system's default sound instead.
  TheSystemCalls().playSound("Vesperal.wav", nullptr, SND_FILENAME | SND_ASYNC);

  m_hIcon.Reset(static_cast<HICON>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon.Get()));
  ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon.Get()));

  RECT client;
  ::GetClientRect(m_hWnd, &client);
  LayOut(client.right, client.bottom);

  OpenPlanFile(true);
  m_diaryStore.OpenDiaryDb(m_strProgramDir);
  LookUpDay();

  m_btnPrev.LoadIconPair(IDI_PREV_HOVER, IDI_PREV_NORMAL, kIconSize, kIconSize);
  m_btnNext.LoadIconPair(IDI_NEXT_HOVER, IDI_NEXT_NORMAL, kIconSize, kIconSize);
  m_btnClose.LoadIconPair(IDI_CLOSE_HOVER, IDI_CLOSE_NORMAL, kIconSize, kIconSize);
  if (m_diaryStore.m_diaryKeys.Find(m_strDateKey))
    SetDiaryIcons(IDI_DIARY_WRITTEN_HOVER, IDI_DIARY_WRITTEN_NORMAL);
  else
    SetDiaryIcons(IDI_DIARY_EMPTY_HOVER, IDI_DIARY_EMPTY_NORMAL);
  for (CIconButton* button : {&m_btnPrev, &m_btnNext, &m_btnClose, &m_btnDiary}) button->SetHoverFrame(false);

  UpdateDayButtons();

  m_pDiaryDlg = MakeDiaryWindow();
  return TRUE;
}

void CReadingDlg::LayOut(int width, int height) {
  const ReadingLayout layout = LayOutReadingWindow(width, height);
  m_rcText = ToRect(layout.rcText);
  m_rcDateColumn = ToRect(layout.rcDateColumn);
  m_rcHeader = ToRect(layout.rcHeader);
  m_rcBelowHeader = ToRect(layout.rcBelowHeader);
  m_rcBodyFull = ToRect(layout.rcBodyFull);
  m_rcBody = ToRect(layout.rcBody);
  Place(m_scrollBar, layout.scrollBar);
  Place(m_btnPrev.GetSafeHwnd(), layout.prevDay);
  Place(m_btnNext.GetSafeHwnd(), layout.nextDay);
  Place(m_btnDiary.GetSafeHwnd(), layout.diary);
  Place(m_btnClose.GetSafeHwnd(), layout.close);
  Place(m_datePicker, layout.datePicker);
}

// ---- IReadingView: the day lookup's effects on the window

void CReadingDlg::ShowMessage(const std::string& text) { AppMessageBox(m_hWnd, text, MB_OK); }

void CReadingDlg::SetTitle(const std::string& title) { ::SetWindowTextA(m_hWnd, title.c_str()); }

void CReadingDlg::ResetScrollBar(int maxPos) {
  ::SetScrollRange(m_scrollBar, SB_CTL, 0, maxPos, TRUE);
  ::SetScrollPos(m_scrollBar, SB_CTL, 0, TRUE);
}

void CReadingDlg::SetDateRange(int firstYear, int lastYear) { SetPickerYearRange(m_datePicker, firstYear, lastYear); }

void CReadingDlg::OnDayLoaded() {
  // While the diary is shown its button keeps the open-diary face.
  if (!m_bDiaryShown) ShowDiaryEntryIcons();
}

void CReadingDlg::SetDiaryIcons(int hoverId, int normalId) {
  m_btnDiary.LoadIconPair(hoverId, normalId, kIconSize, kIconSize);
  m_nDiaryHoverIcon = hoverId;
  m_nDiaryNormalIcon = normalId;
}

void CReadingDlg::ShowDiaryEntryIcons() {
  if (m_diaryStore.m_diaryKeys.Find(m_strDateKey))
    SetDiaryIcons(IDI_DIARY_WRITTEN_HOVER, IDI_DIARY_WRITTEN_NORMAL);
  else
    SetDiaryIcons(IDI_DIARY_EMPTY_HOVER, IDI_DIARY_EMPTY_NORMAL);
  RedrawNow(m_btnDiary.GetSafeHwnd());
}

// ---- Dates

void CReadingDlg::StepDay(int delta) {
  SYSTEMTIME time = ShiftDays(GetPickerTime(m_datePicker), delta);
  SetPickerTime(m_datePicker, time);
  // At either end of its range the picker refuses the new date; what it holds is the date.
  time = GetPickerTime(m_datePicker);
  m_nYear = time.wYear;
  m_nMonth = time.wMonth;
  m_nDay = time.wDay;
  if (LookUpDay()) ::InvalidateRect(m_hWnd, &m_rcText, FALSE);
  UpdateDayButtons();
  if (m_bDiaryShown && m_pDiaryDlg) {
    m_pDiaryDlg->m_time = time;
    ::SendMessageA(m_pDiaryDlg->DiaryWindowHandle(), WM_DATE_SYNC, 0, 0);
  }
}

void CReadingDlg::ShowDate(const SYSTEMTIME& time) {
  m_nYear = time.wYear;
  m_nMonth = time.wMonth;
  m_nDay = time.wDay;
  if (LookUpDay()) ::InvalidateRect(m_hWnd, &m_rcText, FALSE);
  UpdateDayButtons();
}

void CReadingDlg::UpdateDayButtons() {
  const DayStepLimits limits = StepLimitsAt(SelectableYears(), m_nYear, m_nMonth, m_nDay);
  const HWND prev = m_btnPrev.GetSafeHwnd(), next = m_btnNext.GetSafeHwnd();
  // A disabled button with the focus would leave Enter and Space to nothing (or to closing the window):
  // the focus goes to the other day button, which steps back from the end, else to the date picker.
  const HWND focus = ::GetFocus();
  const bool losesFocus = (focus == prev && !limits.bCanStepBack) || (focus == next && !limits.bCanStepForward);
  if (losesFocus) {
    const bool otherUsable = focus == prev ? limits.bCanStepForward : limits.bCanStepBack;
    const HWND target = otherUsable ? (focus == prev ? next : prev) : m_datePicker;
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  }
  if (prev) ::EnableWindow(prev, limits.bCanStepBack ? TRUE : FALSE);
  if (next) ::EnableWindow(next, limits.bCanStepForward ? TRUE : FALSE);
}

void CReadingDlg::OnDateChanged() {
  const SYSTEMTIME time = GetPickerTime(m_datePicker);
  if (IsSameDate(time, m_nYear, m_nMonth, m_nDay)) return;
  ShowDate(time);
  if (m_bDiaryShown && m_pDiaryDlg) {
    m_pDiaryDlg->m_time = time;
    ::SendMessageA(m_pDiaryDlg->DiaryWindowHandle(), WM_DATE_SYNC, 0, 0);
  }
}

void CReadingDlg::OnDateSync() {
  if (!m_pDiaryDlg) return;
  const SYSTEMTIME time = m_pDiaryDlg->m_time;
  SetPickerTime(m_datePicker, time);
  // The diary answers our own sync with the date we just gave it; that changes nothing here.
  if (!IsSameDate(time, m_nYear, m_nMonth, m_nDay)) ShowDate(time);
}

// ---- Diary window

void CReadingDlg::OnDiaryButton() {
  if (m_bDiaryShown) {
    ::SendMessageA(m_hWnd, WM_DIARY_CLOSE, 0, 0);
    return;
  }
  if (!m_pDiaryDlg) return;
  // A diary that could not keep what is typed is not opened; the button says why at every press.
  if (!m_diaryStore.Unavailable().IsAvailable()) {
    AppMessageBox(m_hWnd, m_diaryStore.Unavailable().Message(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  m_pDiaryDlg->m_time = GetPickerTime(m_datePicker);
  if (!m_pDiaryDlg->OpenDiaryWindow()) return;
  HWND diary = m_pDiaryDlg->DiaryWindowHandle();
  RECT place;
  ::GetWindowRect(diary, &place);
  ::OffsetRect(&place, 100, 100);
  ::MoveWindow(diary, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
  // Without a plan file at start no range of years was found; the shown year is the one year there is.
  if (m_bYearRangeSet)
    m_pDiaryDlg->SetDiaryDateRange(m_nFirstYear, m_nLastYear);
  else
    m_pDiaryDlg->SetDiaryDateRange(m_nYear, m_nYear);
  ::ShowWindow(diary, SW_SHOWNORMAL);
  SetDiaryIcons(IDI_DIARY_OPEN_HOVER, IDI_DIARY_OPEN_NORMAL);
  m_bDiaryShown = true;
  RedrawNow(m_btnDiary.GetSafeHwnd());
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
  ShowDiaryEntryIcons();
}

// ---- Scrolling and keys

void CReadingDlg::OnScroll(int code, int thumbPos) {
  if (!ScrollVerses(code, thumbPos, m_verses, m_nVerseCount, m_nFirstVerse)) return;
  ::SetScrollPos(m_scrollBar, SB_CTL, m_nFirstVerse, TRUE);
  ::InvalidateRect(m_hWnd, &m_rcBelowHeader, FALSE);
}

HWND CReadingDlg::HelpWindow() const { return m_hMainWnd ? m_hMainWnd : ::GetWindow(m_hWnd, GW_OWNER); }

bool CReadingDlg::PreTranslateMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  int code;
  switch (msg.wParam) {
    case VK_UP:
      code = kScrollLineUp;
      break;
    case VK_DOWN:
      code = kScrollLineDown;
      break;
    case VK_PRIOR:
      code = kScrollPageUp;
      break;
    case VK_NEXT:
      code = kScrollPageDown;
      break;
    case VK_F1:
      if (HWND help = HelpWindow()) ::SendMessageA(help, WM_COMMAND, ID_HELP_OPEN, 0);
      return false;
    default:
      return false;
  }
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
      DrawPage(reinterpret_cast<HDC>(wParam), client);
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
  CReadingPlan::Release();
  m_pDiaryDlg.reset();
  m_diaryStore.Release();
}

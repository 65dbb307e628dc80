#include "reading/ReadingDlg.h"

#include <mmsystem.h>

#include "base/ProgramFiles.h"
#include "diary/DiaryBackupRun.h"
#include "diary/DiaryDlg.h"
#include "reading/ReadingTexts.h"
#include "res/AppTitle.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/DatePicker.h"
#include "ui/Dpi.h"
#include "ui/HelpKey.h"
#include "ui/IconSize.h"
#include "ui/ModuleFolder.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

namespace {

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

void Place(HWND control, const ControlPlace& place) {
  if (control) ::MoveWindow(control, place.x, place.y, place.width, place.height, TRUE);
}

}  // namespace

CReadingDlg::CReadingDlg(HWND parent, std::string programDir)
    : CDialogBase(IDD_READING, parent),
      m_session(programDir.empty() ? ModuleFolder() : std::move(programDir)),
      m_page(m_session),
      m_bar(m_session),
      m_zoom(m_session.ProgramDir()) {}

CReadingDlg::~CReadingDlg() {
  // Destroyed here, not in the base, so that OnDestroy still releases the session's files.
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

BOOL CReadingDlg::OnInitDialog() {
  m_btnClose.SubclassDlgItem(IDOK, m_hWnd);
  m_btnDiary.SubclassDlgItem(IDC_DIARY_BUTTON, m_hWnd);
  m_scrollBar = GetDlgItem(IDC_READING_SCROLL);
  m_bar.Attach(m_hWnd);
  m_page.Create(m_hWnd, m_scrollBar);
  m_page.SetTextSize(m_zoom.Size());
  // The window is painted around its controls and its page, never over them.
  ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);

  m_nTitleYear = Today().year;
  SetWindowTextUtf8(m_hWnd, ReadingWindowTitle(VESPERAL_APP_TITLE, m_nTitleYear));
  // From the program folder, wherever the current directory is; a missing greeting file plays the system's
  // default sound instead.
  TheSystemCalls().playSound(Widen(GreetingSoundPath(m_session.ProgramDir())).c_str(), nullptr,
                             SND_FILENAME | SND_ASYNC);
  m_hIcon.Reset(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon.Get()));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon.Get()));

  m_nDpi = WindowDpi(m_hWnd);
  m_bar.UseDpi(m_nDpi);
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  LayOut(client.right, client.bottom);

  // The page and the bar hear of the day before the window, whose messages come last.
  m_session.AddListener(m_page);
  m_session.AddListener(m_bar);
  m_session.AddListener(*this);
  m_session.Start(Today());
  const MessageText diaryNotice = m_session.TakeDiaryNotice();
  if (!diaryNotice.IsEmpty()) AppMessageBox(m_hWnd, diaryNotice, MB_OK | MB_ICONINFORMATION);
  // The day's copy of a diary that opened, made before the window shows and any typing can start.
  if (m_session.HasDiary()) BackUpDiaryOfTheDay(m_hWnd, m_session.ProgramDir());

  m_btnClose.LoadIconPair(IDI_CLOSE_HOVER, IDI_CLOSE_NORMAL, IconSize(), IconSize());
  for (CIconButton* button : {&m_btnClose, &m_btnDiary}) {
    button->SetHoverFrame(false);
    button->SetCaptionShown(false);
  }
  UseSystemColours();
  // Each icon button's tip is its name.
  if (m_tips.Create(m_hWnd))
    for (int id : {IDC_MARK_READ, IDC_PREV_DAY, IDC_NEXT_DAY, IDC_DIARY_BUTTON, IDOK})
      m_tips.AddControl(GetDlgItem(id));

  m_pDiaryDlg = MakeDiaryWindow();
  // The first focus is on the previous-day button, though the tab order starts at the date picker.
  ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_PREV_DAY)), TRUE);
  return FALSE;
}

void CReadingDlg::LayOut(int width, int height) {
  const ReadingLayout layout = LayOutReadingWindow(width, height, m_nDpi, m_page.MeasureText());
  Place(m_scrollBar, layout.scrollBar);
  Place(m_btnDiary.GetSafeHwnd(), layout.diary);
  Place(m_btnClose.GetSafeHwnd(), layout.close);
  m_bar.LayOut(layout);
  m_page.LayOut(layout);
}

void CReadingDlg::OnDpiChanged(int dpi, const RECT& suggested) {
  m_nDpi = dpi;
  // The dialog's font follows the monitor's scale; the page's font is made from it anew, and the icons take
  // their size.
  m_page.SetTextSize(m_zoom.Size());
  m_bar.UseDpi(dpi);
  m_btnClose.LoadIconPair(IDI_CLOSE_HOVER, IDI_CLOSE_NORMAL, IconSize(), IconSize());
  const DiaryIcons icons = IconsOf(m_diaryFace);
  m_btnDiary.LoadIconPair(icons.hover, icons.normal, IconSize(), IconSize());
  ::SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The same size lays out anew all the same: the lengths are another DPI's.
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  LayOut(client.right, client.bottom);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BYTE CReadingDlg::IconSize() const { return static_cast<BYTE>(IconSizeForDpi(32, m_nDpi)); }

void CReadingDlg::UseSystemColours() {
  const bool highContrast = TheSystemCalls().highContrastOn();
  for (CIconButton* button : {&m_btnClose, &m_btnDiary}) {
    button->UseSystemColours(highContrast);
    ::InvalidateRect(button->GetSafeHwnd(), nullptr, TRUE);
  }
  m_bar.UseSystemColours(highContrast);
  m_page.OnColoursChanged();
}

void CReadingDlg::ApplyTextSize() {
  m_page.SetTextSize(m_zoom.Size());
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  LayOut(client.right, client.bottom);
}

// ---- What the session tells

void CReadingDlg::OnDayShown() {
  const int year = m_session.ShownDay().year;
  if (year != m_nTitleYear) {
    m_nTitleYear = year;
    SetWindowTextUtf8(m_hWnd, ReadingWindowTitle(VESPERAL_APP_TITLE, year));
  }
  ShowDiaryFace();
}

void CReadingDlg::OnPlanNotices(const std::vector<PlanNotice>& notices) {
  for (const PlanNotice& notice : notices)
    for (const MessageText& text : PlanNoticeBoxes(notice)) AppMessageBox(m_hWnd, text, MB_OK);
}

void CReadingDlg::ShowDiaryFace() {
  const DiaryFace face = DiaryButtonFace(m_session.IsDiaryOpen(), m_session.HasEntry(m_session.ShownDay()));
  if (face == m_diaryFace && m_btnDiary.GetNormalIcon()) return;
  const DiaryIcons icons = IconsOf(face);
  m_btnDiary.LoadIconPair(icons.hover, icons.normal, IconSize(), IconSize());
  m_diaryFace = face;
  ::RedrawWindow(m_btnDiary.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- The tray's requests and the context menu

void CReadingDlg::ShowToday() { m_session.GoToDay(Today()); }

void CReadingDlg::GoToCatchUpDay() { m_bar.GoToCatchUpDay(); }

// ---- The diary window

void CReadingDlg::OnDiaryButton() {
  if (m_session.IsDiaryOpen()) {
    if (m_pDiaryDlg) m_pDiaryDlg->CloseDiaryWindow();
    return;
  }
  if (!m_pDiaryDlg) return;
  // A diary that could not keep what is typed is not opened; the button says why at every press.
  if (!m_session.DiaryUnavailability().IsAvailable()) {
    AppMessageBox(m_hWnd, m_session.DiaryUnavailability().Message(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (!m_pDiaryDlg->OpenDiaryWindow()) return;
  HWND diary = m_pDiaryDlg->DiaryWindowHandle();
  RECT place;
  ::GetWindowRect(diary, &place);
  const WindowPoint at = DiaryWindowPlace({place.left, place.top});
  ::MoveWindow(diary, at.x, at.y, place.right - place.left, place.bottom - place.top, FALSE);
  ::ShowWindow(diary, SW_SHOWNORMAL);
}

std::unique_ptr<IDiaryWindow> CReadingDlg::MakeDiaryWindow() {
  return std::make_unique<CDiaryDlg>(m_session, m_hWnd, HelpWindow());
}

void CReadingDlg::StoreDiaryChanges() {
  if (m_session.IsDiaryOpen() && m_pDiaryDlg) m_pDiaryDlg->StoreChanges();
}

bool CReadingDlg::CloseDiaryFirst() {
  if (m_session.IsDiaryOpen() && m_pDiaryDlg) m_pDiaryDlg->CloseDiaryWindow();
  return !m_session.IsDiaryOpen();
}

// ---- Keys and messages

HWND CReadingDlg::HelpWindow() const { return m_hMainWnd ? m_hMainWnd : ::GetWindow(m_hWnd, GW_OWNER); }

bool CReadingDlg::PickerHasFocus() const {
  const HWND focus = ::GetFocus();
  return focus && (focus == m_bar.Picker() || ::IsChild(m_bar.Picker(), focus));
}

bool CReadingDlg::PreTranslateMessage(MSG& msg) {
  const CPageZoom::Input zoom = m_zoom.Take(msg, m_page.GetSafeHwnd(), msg.message == WM_KEYDOWN && PickerHasFocus());
  if (zoom.changed) {
    ApplyTextSize();
    const MessageText failure = m_zoom.Store();
    if (!failure.IsEmpty()) AppMessageBox(m_hWnd, failure, MB_OK | MB_ICONEXCLAMATION);
  }
  if (zoom.consumed) return true;
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.wParam == VK_F1) {
    SendHelpOnF1(msg, HelpWindow());
    return false;
  }
  const int code = ScrollCodeForKey(static_cast<int>(msg.wParam));
  if (code == kNoScroll) return false;
  // The date picker uses these keys for its own fields.
  if (PickerHasFocus()) return false;
  if (m_page.IsScrollEnabled()) m_page.Scroll(code, 0);
  return true;
}

bool CReadingDlg::OnCommand(WORD id, WORD code, HWND control) {
  if (m_bar.OnCommand(id, code)) return true;
  if (code == BN_CLICKED && id == IDC_DIARY_BUTTON) {
    OnDiaryButton();
    return true;
  }
  if (code == BN_CLICKED && id == ID_COPY_PASSAGE) {
    m_page.CopyText();
    return true;
  }
  return CDialogBase::OnCommand(id, code, control);
}

bool CReadingDlg::OnNotify(NMHDR* header, LRESULT& result) { return m_bar.OnNotify(header, result); }

bool CReadingDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SIZE:
      // A minimised window has no page to lay out.
      if (wParam != SIZE_MINIMIZED) LayOut(LOWORD(lParam), HIWORD(lParam));
      return false;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      const WindowSize smallest = SmallestReadingWindow(m_nDpi);
      info->ptMinTrackSize.x = smallest.width;
      info->ptMinTrackSize.y = smallest.height;
      result = 0;
      return true;
    }
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      result = 0;
      return true;
    case WM_SHOWWINDOW:
      if (wParam) ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
      return false;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // A colour or the high-contrast theme changed (the child controls hear of it from us).
      UseSystemColours();
      return false;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == m_scrollBar) m_page.Scroll(LOWORD(wParam), HIWORD(wParam));
      result = 0;
      return true;
    case WM_CONTEXTMENU:
      m_bar.ShowContextMenu(lParam);
      result = 0;
      return true;
    default:
      return false;
  }
}

void CReadingDlg::OnOK() {
  if (CloseDiaryFirst()) CDialogBase::OnOK();
}

void CReadingDlg::OnCancel() {
  if (CloseDiaryFirst()) CDialogBase::OnCancel();
}

void CReadingDlg::OnDestroy() {
  m_bar.Detach();
  m_pDiaryDlg.reset();
  m_session.RemoveListener(*this);
  m_session.RemoveListener(m_bar);
  m_session.RemoveListener(m_page);
  m_session.Release();
}

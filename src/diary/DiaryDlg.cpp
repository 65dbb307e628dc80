#include "diary/DiaryDlg.h"

#include <commctrl.h>

#include "db/DaoException.h"
#include "diary/DiarySearch.h"
#include "diary/FindDlg.h"
#include "diary/SaveFileDialog.h"
#include "reading/ReadingSession.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/HandlerError.h"
#include "ui/HelpKey.h"
#include "ui/ResourceText.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

CDiaryDlg::CDiaryDlg(CReadingSession& session, HWND readingWindow, HWND mainWindow)
    : CDialogBase(IDD_DIARY, readingWindow), m_session(session), m_hMainWnd(mainWindow) {
  m_chooseFile = [](HWND owner, std::string& path) { return AskSavePath(owner, path); };
  m_openFile = [](const std::string& path, const std::string& directory) { OpenWithShell(path, directory); };
}

CDiaryDlg::~CDiaryDlg() {
  // Destroyed here, not in the base, so that OnDestroy still stores what was typed.
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

HWND CDiaryDlg::OwnerWindow() const { return m_hMainWnd ? m_hMainWnd : m_hParent; }

// ---- IDiaryWindow

bool CDiaryDlg::OpenDiaryWindow() {
  m_bFindShown = false;
  m_pFindDlg.reset();
  return Create(OwnerWindow());
}

void CDiaryDlg::CloseDiaryWindow() {
  // Stored first while the window can still stay: what was typed goes only by the user's choice.
  const bool mayClose = CallGuarded(m_hWnd, false, false, [this] { return StoreTypedText(StoreOccasion::kClose); });
  if (mayClose) DestroyWindow();
}

void CDiaryDlg::StoreChanges() { StoreTypedText(StoreOccasion::kSessionEnd); }

// ---- Storing

bool CDiaryDlg::Write(StoreOccasion occasion, const std::function<void()>& write) {
  const StoreFailureResponse response = RespondToStoreFailure(occasion);
  for (int attempt = 1;; ++attempt) {
    try {
      write();
      return true;
    } catch (const CDaoException& error) {
      if (attempt < response.attempts) continue;
      // Left unstored for good: a later occasion (the window's own end) does not try again.
      if (response.goOnAnyway) m_bModified = false;
      if (!response.tell) return response.goOnAnyway;
      MessageText message = m_session.FailureMessage(response.headline, error);
      if (!response.askToGiveUp) {
        AppMessageBox(m_hWnd, message, MB_OK | MB_ICONSTOP);
        return response.goOnAnyway;
      }
      message.Then(IDS_DIARY_DISCARD_QUESTION);
      if (AppMessageBox(m_hWnd, message, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES) return false;
      // Given up by the user's choice: nothing is stored as the occasion goes on.
      m_bModified = false;
      return true;
    }
  }
}

bool CDiaryDlg::StoreTypedText(StoreOccasion occasion) {
  if (!m_hWnd || !m_bModified) return true;
  return Write(occasion, [this] { StoreEntry(); });
}

// ---- The fields

void CDiaryDlg::UpdateData(bool fromWindow) {
  struct {
    int id;
    std::string* text;
  } fields[] = {
      {IDC_DIARY_TITLE, &m_strTitle}, {IDC_DIARY_MEDITATION, &m_strMeditation}, {IDC_DIARY_PRAYER, &m_strPrayer}};
  if (fromWindow) {
    for (auto& field : fields) *field.text = WindowTextUtf8(GetDlgItem(field.id));
    return;
  }
  // Under Wine each control that is set costs a repaint of its own: only what differs is set, and each
  // field takes its new text with its drawing suspended, to be painted once with the rest of the window.
  // (Suspending the whole window would also drop the picker's and buttons' pending repaints.)
  if (m_picker.Day() != m_shownDay) m_picker.SetDay(m_shownDay);
  for (auto& field : fields) {
    HWND edit = GetDlgItem(field.id);
    if (WindowTextUtf8(edit) == *field.text) continue;
    ::SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
    SetWindowTextUtf8(edit, *field.text);
    ::SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  }
}

void CDiaryDlg::LoadEntry() {
  if (!m_session.HasDiary()) return;
  const DiaryEntry entry = m_session.ReadEntry(m_shownDay);
  m_strTitle = entry.found ? entry.title : std::string();
  m_strMeditation = entry.found ? entry.meditation : std::string();
  m_strPrayer = entry.found ? entry.prayer : std::string();
  if (entry.found) ::EnableWindow(GetDlgItem(IDC_DIARY_DELETE), TRUE);
  UpdateData(false);
  m_bModified = false;
}

void CDiaryDlg::StoreEntry() {
  if (!m_session.HasDiary()) return;
  UpdateData(true);
  m_session.WriteEntry(m_shownDay, m_strTitle, m_strMeditation, m_strPrayer);
  m_bModified = false;
  // The shown day has an entry now, whichever button stored it.
  ::EnableWindow(GetDlgItem(IDC_DIARY_DELETE), TRUE);
}

void CDiaryDlg::ClearEntry() {
  ::EnableWindow(GetDlgItem(IDC_DIARY_DELETE), FALSE);
  m_strTitle.clear();
  m_strMeditation.clear();
  m_strPrayer.clear();
  UpdateData(false);
  // Emptying the title raises a change notification; a day shown empty has not been changed by anyone.
  m_bModified = false;
}

void CDiaryDlg::ShowSessionDay() {
  m_shownDay = m_session.ShownDay();
  if (m_session.HasEntry(m_shownDay))
    LoadEntry();
  else
    ClearEntry();
}

void CDiaryDlg::OnDayShown() {
  // What was typed for the day left was stored when the session asked (MayLeaveDay).
  if (m_session.ShownDay() != m_shownDay) ShowSessionDay();
}

// ---- Handlers

BOOL CDiaryDlg::OnInitDialog() {
  m_picker.Attach(GetDlgItem(IDC_DIARY_DATE));
  m_picker.UseKoreanDateWhereTheLocaleIsNot();
  // The same days as the reading window's picker.
  const YearRange years = m_session.DiaryYears();
  m_picker.SetYearRange(years.nFirstYear, years.nLastYear);
  ShowSessionDay();
  m_pFindDlg = std::make_unique<CFindDlg>(m_hWnd, m_session, m_hMainWnd, [this] { ShowSearchText(); });
  // No limit on what can be typed beyond what the control can hold.
  for (int id : {IDC_DIARY_TITLE, IDC_DIARY_MEDITATION, IDC_DIARY_PRAYER})
    ::SendDlgItemMessageW(m_hWnd, id, EM_SETLIMITTEXT, 0, 0);
  m_hIcon.Reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DIARY_WINDOW),
                                                IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon.Get()));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon.Get()));
  m_session.AddListener(*this);
  m_session.SetLeaveGuard(this);
  return TRUE;
}

void CDiaryDlg::OnDelete() {
  if (AppMessageBox(m_hWnd, LoadText(IDS_DIARY_DELETE_QUESTION), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  if (!Write(StoreOccasion::kDelete, [this] { m_session.DeleteEntry(m_shownDay); })) return;
  ClearEntry();
}

void CDiaryDlg::OnFind() {
  // The search reads the file: the fields go there first, changed or not, or the search waits.
  if (!Write(StoreOccasion::kSearch, [this] { StoreEntry(); })) return;
  if (m_bFindShown && m_pFindDlg && m_pFindDlg->GetSafeHwnd()) {
    ::SetFocus(m_pFindDlg->GetSafeHwnd());
    return;
  }
  if (!m_pFindDlg) return;
  m_bFindShown = m_pFindDlg->Create(OwnerWindow());
  if (m_bFindShown) ::ShowWindow(m_pFindDlg->GetSafeHwnd(), SW_SHOWNORMAL);
}

void CDiaryDlg::ShowSearchText() {
  if (!m_pFindDlg) return;
  const std::string& text = m_pFindDlg->SearchText();
  for (int id : {IDC_DIARY_TITLE, IDC_DIARY_MEDITATION, IDC_DIARY_PRAYER}) {
    // The field as it is on the screen: on the day already shown it may hold typing not yet stored.
    HWND edit = GetDlgItem(id);
    const std::string field = WindowTextUtf8(edit);
    const size_t pos = FindSearchText(field, text);
    if (pos == std::string::npos) continue;
    // The hit is found in UTF-8 bytes; the edit control counts UTF-16 units.
    const size_t start = Utf16Offset(field, pos);
    const size_t end = Utf16Offset(field, pos + text.size());
    ::SendMessageW(edit, EM_SETSEL, start, end);
    ::SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  }
}

bool CDiaryDlg::OnCommand(WORD id, WORD code, HWND control) {
  (void)control;
  if (code == EN_CHANGE && (id == IDC_DIARY_TITLE || id == IDC_DIARY_MEDITATION || id == IDC_DIARY_PRAYER)) {
    m_bModified = true;
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_DIARY_DELETE:
      OnDelete();
      return true;
    case IDC_DIARY_FIND:
      OnFind();
      return true;
    case IDC_DIARY_SAVEFILE:
      ExportDiary();
      return true;
    case IDOK:
    case IDCANCEL:
      CloseDiaryWindow();
      return true;
    default:
      return false;
  }
}

bool CDiaryDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom != IDC_DIARY_DATE || header->code != DTN_DATETIMECHANGE) return false;
  // A day this diary cannot leave (what was typed could not be stored) puts the picker back.
  if (!m_session.ShowDay(m_picker.Day())) m_picker.SetDay(m_shownDay);
  result = 0;
  return true;
}

bool CDiaryDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  (void)lParam;
  switch (msg) {
    case WM_FIND_CLOSE:
      if (m_pFindDlg) m_pFindDlg->DestroyWindow();
      m_bFindShown = false;
      result = 0;
      return true;
    case WM_ENDSESSION:
      // Windows ends the process after this message: what was typed must be in the diary by then.
      if (wParam) StoreTypedText(StoreOccasion::kSessionEnd);
      result = 0;
      return true;
    default:
      return false;
  }
}

bool CDiaryDlg::PreTranslateMessage(MSG& msg) {
  SendHelpOnF1(msg, m_hMainWnd);
  return false;
}

void CDiaryDlg::OnDestroy() {
  // Every way of closing ends here (the close buttons and keys, the reading window's diary button, the
  // reading window going away). The ways that can ask have stored already; here no one is left to ask.
  StoreTypedText(StoreOccasion::kSessionEnd);
  m_pFindDlg.reset();
  m_bFindShown = false;
  m_session.RemoveListener(*this);
  m_session.SetLeaveGuard(nullptr);
}

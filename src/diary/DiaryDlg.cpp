#include "diary/DiaryDlg.h"

#include <commctrl.h>

#include "db/DaoException.h"
#include "diary/DiaryDate.h"
#include "diary/DiaryHelpKey.h"
#include "diary/DiaryPickerDate.h"
#include "diary/DiarySearch.h"
#include "diary/DiarySession.h"
#include "diary/FindDlg.h"
#include "diary/SaveFileDialog.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/ResourceText.h"
#include "ui/HandlerError.h"
#include "ui/LocalDate.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

CDiaryDlg::CDiaryDlg(IDiaryHost& host) : CDialogBase(IDD_DIARY, host.ReadingWindow()), m_pReadingDlg(&host) {
  m_chooseFile = [](HWND owner, std::string& path) { return AskSavePath(owner, path); };
  m_openFile = [](const std::string& path, const std::string& directory) { OpenWithShell(path, directory); };
}

CDiaryDlg::~CDiaryDlg() {
  // Destroyed here, not in the base, so that OnDestroy still stores what was typed.
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

CDiarySession& CDiaryDlg::Session() const { return m_pReadingDlg->DiarySession(); }

HWND CDiaryDlg::OwnerWindow() const {
  HWND main = m_pReadingDlg->MainWindow();
  return main ? main : m_pReadingDlg->ReadingWindow();
}

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
      MessageText message = Session().FailureMessage(response.headline, error);
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

void CDiaryDlg::SetDiaryDateRange(int firstYear, int lastYear) {
  if (m_hWnd) SetPickerYearRange(GetDlgItem(IDC_DIARY_DATE), firstYear, lastYear);
}

void CDiaryDlg::StoreChanges() { StoreTypedText(StoreOccasion::kSessionEnd); }

// ---- Entry steps

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
  HWND picker = GetDlgItem(IDC_DIARY_DATE);
  const DiaryDate shown = Session().ShownDate();
  if (!IsSameDate(GetPickerTime(picker), shown.year, shown.month, shown.day))
    SetPickerTime(picker, PickerTimeOf(shown));
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
  if (!Session().HasDiary()) return;
  DiaryEntry entry;
  Session().ReadEntry(m_strKey, entry);
  if (entry.found) {
    m_strTitle = entry.title;
    m_strMeditation = entry.meditation;
    m_strPrayer = entry.prayer;
    ::EnableWindow(GetDlgItem(IDC_DIARY_DELETE), TRUE);
  } else {
    m_strTitle.clear();
    m_strMeditation.clear();
    m_strPrayer.clear();
  }
  UpdateData(false);
  m_bModified = false;
}

void CDiaryDlg::StoreEntry() {
  if (!Session().HasDiary()) return;
  UpdateData(true);
  Session().WriteEntry(m_strKey, m_strTitle, m_strMeditation, m_strPrayer);
  m_bModified = false;
  // The shown date has an entry now, whichever button stored it.
  ::EnableWindow(GetDlgItem(IDC_DIARY_DELETE), TRUE);
}

void CDiaryDlg::ClearEntry() {
  ::EnableWindow(GetDlgItem(IDC_DIARY_DELETE), FALSE);
  m_strTitle.clear();
  m_strMeditation.clear();
  m_strPrayer.clear();
  UpdateData(false);
  // Emptying the title raises a change notification; a date shown empty has not been changed by anyone.
  m_bModified = false;
}

void CDiaryDlg::FollowDate() {
  const std::string key = Session().ShownKey();
  if (key == m_strKey) return;
  // Stored under the old key.
  if (!StoreTypedText(StoreOccasion::kDateChange)) {
    // The typing stays, so the date stays with it: the picker goes back, and the reading window follows.
    Session().SetShownDate(m_shownDate);
    SetPickerTime(GetDlgItem(IDC_DIARY_DATE), PickerTimeOf(m_shownDate));
    ::SendMessageW(m_pReadingDlg->ReadingWindow(), WM_DATE_SYNC, 0, 0);
    return;
  }
  m_strKey = key;
  m_shownDate = Session().ShownDate();
  if (Session().HasEntry(m_strKey))
    LoadEntry();
  else
    ClearEntry();
  ::SendMessageW(m_pReadingDlg->ReadingWindow(), WM_DATE_SYNC, 0, 0);
}

// ---- Handlers

BOOL CDiaryDlg::OnInitDialog() {
  UseKoreanDateWhereTheLocaleIsNot(GetDlgItem(IDC_DIARY_DATE));
  UpdateData(false);
  m_strKey = Session().ShownKey();
  m_shownDate = Session().ShownDate();
  if (Session().HasEntry(m_strKey))
    LoadEntry();
  else
    ClearEntry();
  m_pFindDlg = std::make_unique<CFindDlg>(m_hWnd, *m_pReadingDlg);
  // No limit on what can be typed beyond what the control can hold.
  for (int id : {IDC_DIARY_TITLE, IDC_DIARY_MEDITATION, IDC_DIARY_PRAYER})
    ::SendDlgItemMessageW(m_hWnd, id, EM_SETLIMITTEXT, 0, 0);
  m_hIcon.Reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DIARY_WINDOW),
                                                IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon.Get()));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon.Get()));
  return TRUE;
}

void CDiaryDlg::OnDelete() {
  if (AppMessageBox(m_hWnd, LoadText(IDS_DIARY_DELETE_QUESTION), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  if (!Write(StoreOccasion::kDelete, [this] { Session().DeleteEntry(m_strKey); })) return;
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
    // The field as it is on the screen: on the date already shown it may hold typing not yet stored.
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
  if (code == EN_CHANGE && (id == IDC_DIARY_TITLE || id == IDC_DIARY_MEDITATION || id == IDC_DIARY_PRAYER)) {
    m_bModified = true;
    return true;
  }
  if (code == BN_CLICKED) {
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
        ::SendMessageW(m_pReadingDlg->ReadingWindow(), WM_DIARY_CLOSE, 0, 0);
        return true;
      default:
        break;
    }
  }
  (void)control;
  return false;
}

bool CDiaryDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom != IDC_DIARY_DATE || header->code != DTN_DATETIMECHANGE) return false;
  Session().SetShownDate(DateOf(GetPickerTime(GetDlgItem(IDC_DIARY_DATE))));
  FollowDate();
  result = 0;
  return true;
}

bool CDiaryDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  (void)lParam;
  switch (msg) {
    case WM_DATE_SYNC:
      FollowDate();
      result = 0;
      return true;
    case WM_FIND_CLOSE:
      if (m_pFindDlg) m_pFindDlg->DestroyWindow();
      m_bFindShown = false;
      result = 0;
      return true;
    case WM_FIND_RESULT:
      FollowDate();
      ShowSearchText();
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
  SendHelpOnF1(msg, m_pReadingDlg->MainWindow());
  return false;
}

void CDiaryDlg::OnDestroy() {
  // Every way of closing ends here (the close buttons and keys, the reading window's diary button, the
  // reading window going away). The ways that can ask have stored already; here no one is left to ask.
  StoreTypedText(StoreOccasion::kSessionEnd);
  m_pFindDlg.reset();
  m_bFindShown = false;
}

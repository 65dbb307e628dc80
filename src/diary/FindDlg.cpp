#include "diary/FindDlg.h"

#include "diary/DateDisplay.h"
#include "ui/HelpKey.h"
#include "diary/DiarySearch.h"
#include "reading/ReadingSession.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/ResourceText.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

namespace {

int CheckState(int value) { return value >= 0 && value <= 2 ? value : 0; }

}  // namespace

CFindDlg::CFindDlg(HWND diary, CReadingSession& session, HWND mainWindow, std::function<void()> onResultShown)
    : CDialogBase(IDD_FIND, diary),
      m_hDiary(diary),
      m_session(session),
      m_hMainWnd(mainWindow),
      m_onResultShown(std::move(onResultShown)) {}

CFindDlg::~CFindDlg() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

void CFindDlg::UpdateData(bool fromWindow) {
  struct {
    int id;
    int* state;
  } boxes[] = {{IDC_FIND_TITLE, &m_bTitle}, {IDC_FIND_MEDITATION, &m_bMeditation}, {IDC_FIND_PRAYER, &m_bPrayer}};
  HWND edit = GetDlgItem(IDC_FIND_TEXT);
  if (fromWindow) {
    for (auto& box : boxes) *box.state = static_cast<int>(::IsDlgButtonChecked(m_hWnd, box.id));
    m_strFind = WindowTextUtf8(edit);
  } else {
    for (auto& box : boxes) {
      *box.state = CheckState(*box.state);
      ::CheckDlgButton(m_hWnd, box.id, static_cast<UINT>(*box.state));
    }
    SetWindowTextUtf8(edit, m_strFind);
  }
}

BOOL CFindDlg::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CFindDlg::ShowKeys(const std::vector<std::string>& keys) {
  HWND list = GetDlgItem(IDC_FIND_RESULTS);
  // One repaint for the whole list, however long.
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  ::SendMessageW(list, LB_INITSTORAGE, keys.size(), keys.size() * 17);
  // The keys come in date order, which is also the list's text order: appending keeps the list sorted
  // without a sorted insertion for each of thousands of entries.
  const std::string format = LoadText(IDS_FIND_LIST_DATE);
  for (const std::string& key : keys) {
    const std::array<std::string, 3> date = DateDisplayNumbers(key);
    const std::wstring shown = Widen(FillText(format, {date[0], date[1], date[2]}));
    ::SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(shown.c_str()));
  }
  m_listedKeys = keys;
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
  SetWindowTextUtf8(GetDlgItem(IDC_FIND_COUNT), LoadText(IDS_FIND_COUNT, {std::to_string(keys.size())}));
}

void CFindDlg::RunSearch() {
  UpdateData(true);
  const SearchRequest request{m_bTitle != 0, m_bMeditation != 0, m_bPrayer != 0, m_strFind};
  if (BuildSearchStatement(request).empty()) return;
  if (!m_session.HasDiary()) {
    ShowKeys({});
    AppMessageBox(m_hWnd, LoadText(IDS_FIND_WITHOUT_DIARY), MB_OK);
    return;
  }
  // The statement runs before the list is emptied: an engine error leaves the list as it was.
  ShowKeys(m_session.Search(request));
}

void CFindDlg::ShowResult() {
  HWND list = GetDlgItem(IDC_FIND_RESULTS);
  const LRESULT index = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<size_t>(index) >= m_listedKeys.size()) return;
  // A key that names no real date (written by another tool) leads nowhere.
  const std::optional<CalendarDay> day = ParseDayKey(m_listedKeys[static_cast<size_t>(index)]);
  if (day && m_session.ShowDay(*day) && m_onResultShown) m_onResultShown();
}

bool CFindDlg::OnCommand(WORD id, WORD code, HWND control) {
  (void)control;
  if (id == IDC_FIND_GO && code == BN_CLICKED) {
    RunSearch();
    return true;
  }
  if (id == IDC_FIND_RESULTS && code == LBN_DBLCLK) {
    ShowResult();
    return true;
  }
  if ((id == IDOK || id == IDCANCEL) && code == BN_CLICKED) {
    ::SendMessageW(m_hDiary, WM_FIND_CLOSE, 0, 0);
    return true;
  }
  return false;
}

bool CFindDlg::PreTranslateMessage(MSG& msg) {
  SendHelpOnF1(msg, m_hMainWnd);
  return false;
}

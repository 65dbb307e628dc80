#pragma once
// The real reading window with the program's own diary window beside it, over a temporary program folder.
// Typing goes through the edit controls (so they notify as under a person's hands); modal windows that the
// diary opens are answered from inside their own message loops by a timer.
#include <functional>
#include <string>
#include <vector>

#include "ReadingDlgFixture.h"
#include "base/CalendarDay.h"
#include "diary/DiaryDlg.h"
#include "diary/DiaryStore.h"
#include "diary/FindDlg.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

// Runs an action on the first shown dialog window (class #32770) of this thread that `accept` takes,
// from inside whatever modal loop is running then; every dialog still found after the deadline is cancelled,
// so that a test fails instead of hanging.
class CModalAnswerer {
 public:
  using Accept = std::function<bool(HWND)>;
  using Act = std::function<void(HWND)>;
  struct Step {
    Accept accept;
    Act act;
  };
  CModalAnswerer(Accept accept, Act act, DWORD deadlineMs = 15000)
      : CModalAnswerer(std::vector<Step>{{std::move(accept), std::move(act)}}, deadlineMs) {}
  // Steps answered one after another, each once.
  explicit CModalAnswerer(std::vector<Step> steps, DWORD deadlineMs = 15000)
      : m_steps(std::move(steps)), m_deadline(::GetTickCount() + deadlineMs) {
    Current() = this;
    m_timer = ::SetTimer(nullptr, 0, 30, &CModalAnswerer::Tick);
  }
  ~CModalAnswerer() {
    ::KillTimer(nullptr, m_timer);
    Current() = nullptr;
  }
  CModalAnswerer(const CModalAnswerer&) = delete;
  CModalAnswerer& operator=(const CModalAnswerer&) = delete;
  bool Answered() const { return m_nDone == m_steps.size(); }

  // A dialog by its caption (UTF-8).
  static Accept Caption(const std::string& caption) {
    return [caption](HWND window) { return caption == WindowTextUtf8(window); };
  }

 private:
  static CModalAnswerer*& Current() {
    static CModalAnswerer* current = nullptr;
    return current;
  }
  static BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* self = reinterpret_cast<CModalAnswerer*>(param);
    wchar_t name[32] = L"";
    ::GetClassNameW(window, name, 32);
    if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
    if (static_cast<LONG>(::GetTickCount() - self->m_deadline) > 0) {
      ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
      return TRUE;
    }
    if (self->Answered() || !self->m_steps[self->m_nDone].accept(window)) return TRUE;
    const Act act = self->m_steps[self->m_nDone++].act;
    act(window);
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (CModalAnswerer* self = Current())
      ::EnumThreadWindows(::GetCurrentThreadId(), &Visit, reinterpret_cast<LPARAM>(self));
  }
  std::vector<Step> m_steps;
  size_t m_nDone = 0;
  DWORD m_deadline;
  UINT_PTR m_timer = 0;
};

struct StoredEntry {
  bool found;
  std::string title, meditation, prayer;  // UTF-8
  bool operator==(const StoredEntry& o) const {
    return found == o.found && title == o.title && meditation == o.meditation && prayer == o.prayer;
  }
};
inline std::ostream& operator<<(std::ostream& out, const StoredEntry& e) {
  return out << (e.found ? "found [" : "none [") << e.title << "|" << e.meditation << "|" << e.prayer << "]";
}

class DiaryDlgTest : public ReadingDlgTest {
 protected:
  void SetUp() override {
    ReadingDlgTest::SetUp();
    m_makeDiary = [this] {
      auto made = std::make_unique<CDiaryDlg>(m_dlg->Session(), m_dlg->GetSafeHwnd(), m_mainWindow);
      m_pDiaryObject = made.get();
      return std::unique_ptr<IDiaryWindow>(std::move(made));
    };
  }
  void TearDown() override {
    m_dlg.reset();
    ReadingDlgTest::TearDown();
  }

  // The key of a date of this year.
  std::string Key(int month, int day) const { return DayKey({m_year, month, day}); }
  // A date of this year as the search list shows it.
  std::string ListDate(int month, int day) const {
    char text[64];
    std::snprintf(text, sizeof text, "%4d년 %2d월 %2d일", m_year, month, day);
    return text;
  }

  // Stores an entry (UTF-8 texts) before the reading window opens, as an earlier run would have.
  void Seed(const std::string& key, const std::string& title, const std::string& meditation,
            const std::string& prayer) {
    CDiaryStore store;
    ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
    store.WriteEntry(key, title, meditation, prayer);
  }

  // What the diary file holds for a key, read over a connection of its own.
  StoredEntry Stored(const std::string& key) const {
    CDiaryStore store;
    if (!store.OpenDiaryDb(m_dir.ProgramDir())) return {false, "", "", ""};
    DiaryEntry entry;
    store.ReadEntry(key, entry);
    return {entry.found, entry.title, entry.meditation, entry.prayer};
  }

  // This year's plan, written once before the reading window first opens.
  void WriteThisYear(const std::vector<PlanDay>& days) {
    WritePlan(m_year, days);
    m_bPlanWritten = true;
  }
  // Opens the reading window on the date and then its diary window.
  void OpenOn(int month, int day) {
    if (!m_bPlanWritten) WriteThisYear({});
    Open();
    PickDate(m_year, month, day);
    ClickReading(IDC_DIARY_BUTTON);
    ASSERT_TRUE(Diary() && ::IsWindow(Diary()));
  }
  // The diary window object the reading window made; it lives as long as the reading window does.
  CDiaryDlg& DiaryObject() const { return *m_pDiaryObject; }
  HWND Diary() const {
    return m_dlg && m_dlg->GetSafeHwnd() && m_pDiaryObject ? m_pDiaryObject->DiaryWindowHandle() : nullptr;
  }
  HWND DiaryItem(int id) const { return ::GetDlgItem(Diary(), id); }
  HWND Find() const { return DiaryObject().FindDlg() ? DiaryObject().FindDlg()->GetSafeHwnd() : nullptr; }
  HWND FindItem(int id) const { return ::GetDlgItem(Find(), id); }

  void ClickReading(int id) {
    ::SendMessageW(Item(id), BM_CLICK, 0, 0);
    Settle();
  }
  void Click(HWND window, int id) {
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
    Settle();
  }

  // Replaces a field's text as typing over a selection of everything would (UTF-8).
  void Type(int id, const std::string& utf8) {
    HWND edit = DiaryItem(id);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    ::SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(utf8).c_str()));
    Settle();
  }
  static std::string Text(HWND window) { return WindowTextUtf8(window); }
  std::vector<std::string> Fields() const {
    return {Text(DiaryItem(IDC_DIARY_TITLE)), Text(DiaryItem(IDC_DIARY_MEDITATION)), Text(DiaryItem(IDC_DIARY_PRAYER))};
  }

  // Chooses a date in the diary's picker as a user would.
  void PickDiaryDate(int month, int day) {
    ChoosePickerDate(Diary(), IDC_DIARY_DATE, m_year, month, day);
    Settle();
  }
  // Types the text, sets the ticks and presses the search button of the open search window.
  void SearchFor(const std::string& utf8, bool title, bool meditation, bool prayer) {
    SetWindowTextUtf8(FindItem(IDC_FIND_TEXT), utf8);
    ::CheckDlgButton(Find(), IDC_FIND_TITLE, title ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Find(), IDC_FIND_MEDITATION, meditation ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Find(), IDC_FIND_PRAYER, prayer ? BST_CHECKED : BST_UNCHECKED);
    Click(Find(), IDC_FIND_GO);
  }
  std::vector<std::string> ListedDates() const {
    HWND list = FindItem(IDC_FIND_RESULTS);
    std::vector<std::string> entries;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t text[64] = L"";
      ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      entries.push_back(Narrow(text));
    }
    return entries;
  }
  // Double-clicks the list entry (none: -1).
  void DoubleClickResult(int index) {
    HWND list = FindItem(IDC_FIND_RESULTS);
    ::SendMessageW(list, LB_SETCURSEL, index, 0);
    ::SendMessageW(Find(), WM_COMMAND, MAKEWPARAM(IDC_FIND_RESULTS, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    Settle();
  }
  // The selection of a field in the edit control's own UTF-16 units.
  std::pair<DWORD, DWORD> Selection(int id) const {
    DWORD start = 0, end = 0;
    ::SendMessageW(DiaryItem(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  // The selected part of a field (UTF-8).
  std::string Selected(int id) const {
    const auto [start, end] = Selection(id);
    return Narrow(Widen(Text(DiaryItem(id))).substr(start, end - start));
  }

  std::string ReadingKey() const { return m_dlg->Session().Page().DateKey(); }
  bool m_bPlanWritten = false;
  CDiaryDlg* m_pDiaryObject = nullptr;
  std::string DiaryKey() const { return DayKey(DiaryObject().ShownDay()); }
};

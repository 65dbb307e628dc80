#include "reading/PickerBoldDays.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr UINT_PTR kPickerSubclassId = 0x424F4C44;  // "BOLD"
constexpr UINT_PTR kStyleSubclassId = 0x5354594C;   // "STYL"
// The calendar's request for day states, MCN_FIRST - 1 as the controls send it; MinGW's commctrl.h
// defines MCN_GETDAYSTATE as MCN_FIRST + 3, a code no calendar sends.
constexpr UINT kGetDayState = MCN_FIRST - 1;
// DTM_SETMCSTYLE, which the headers give only to programs built for Vista and later.
constexpr UINT kSetCalendarStyle = DTM_FIRST + 11;

// Held on the calendar only while its style is changed: keeps the calendar's own refusal of
// MCS_DAYSTATE from undoing the change. Used only with Wine's calendar, which keeps day states for the
// months it shows whatever its style; how another maker's calendar would take it is not known.
LRESULT CALLBACK LetDayStateStyleThrough(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == WM_STYLECHANGING && wParam == static_cast<WPARAM>(GWL_STYLE)) {
    const auto* change = reinterpret_cast<const STYLESTRUCT*>(lParam);
    if ((change->styleNew & ~change->styleOld) == MCS_DAYSTATE) return 0;
  }
  return ::DefSubclassProc(window, msg, wParam, lParam);
}

bool RunsOnWine() {
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

bool HasDayStates(HWND calendar) { return (::GetWindowLongW(calendar, GWL_STYLE) & MCS_DAYSTATE) != 0; }

bool GiveDayStateStyle(HWND calendar) {
  if (HasDayStates(calendar)) return true;
  const LONG style = ::GetWindowLongW(calendar, GWL_STYLE) | MCS_DAYSTATE;
  ::SetWindowLongW(calendar, GWL_STYLE, style);
  if (HasDayStates(calendar) || !RunsOnWine()) return HasDayStates(calendar);
  if (!::SetWindowSubclass(calendar, &LetDayStateStyleThrough, kStyleSubclassId, 0)) return false;
  ::SetWindowLongW(calendar, GWL_STYLE, style);
  ::RemoveWindowSubclass(calendar, &LetDayStateStyleThrough, kStyleSubclassId);
  return HasDayStates(calendar);
}

}  // namespace

bool CPickerBoldDays::Attach(HWND picker, DayBits bits) {
  Detach();
  if (!picker ||
      !::SetWindowSubclass(picker, &CPickerBoldDays::PickerProc, kPickerSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  m_picker = picker;
  m_bits = std::move(bits);
  m_bCalendarPrepared = false;
  return true;
}

void CPickerBoldDays::PrepareCalendar() {
  if (m_bCalendarPrepared || !m_picker) return;
  m_bCalendarPrepared = true;
  // The calendar makes its bold face from the font it is given; left without one, it draws every day in
  // the system font, bold days alike. Given before the drop-down, the drop-down is sized for it.
  if (const auto font = static_cast<WPARAM>(::SendMessageW(m_picker, WM_GETFONT, 0, 0)))
    ::SendMessageW(m_picker, DTM_SETMCFONT, font, FALSE);
  // Pickers that make their calendar at each drop-down (Windows' own since Vista) make it with day
  // states when asked beforehand; others do not know the message and make nothing of it.
  ::SendMessageW(m_picker, kSetCalendarStyle, 0, MCS_DAYSTATE);
}

void CPickerBoldDays::Detach() {
  if (!m_picker) return;
  ::RemoveWindowSubclass(m_picker, &CPickerBoldDays::PickerProc, kPickerSubclassId);
  m_picker = nullptr;
}

HWND CPickerBoldDays::Calendar() const {
  return m_picker ? reinterpret_cast<HWND>(::SendMessageW(m_picker, DTM_GETMONTHCAL, 0, 0)) : nullptr;
}

bool CPickerBoldDays::OnDropDown() {
  PrepareCalendar();
  const HWND calendar = Calendar();
  if (!calendar || !m_bits || !GiveDayStateStyle(calendar)) return false;
  // The calendar asks for the months it scrolls to; the months shown at the drop-down are given here.
  SYSTEMTIME range[2] = {};
  const int count =
      static_cast<int>(::SendMessageW(calendar, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)));
  if (count <= 0) return false;
  std::vector<MONTHDAYSTATE> states(count, 0);
  const std::vector<uint32_t> bits = m_bits(range[0].wYear, range[0].wMonth, count);
  std::copy_n(bits.begin(), std::min<size_t>(bits.size(), states.size()), states.begin());
  if (!::SendMessageW(calendar, MCM_SETDAYSTATE, count, reinterpret_cast<LPARAM>(states.data()))) return false;
  ::InvalidateRect(calendar, nullptr, FALSE);
  return true;
}

bool CPickerBoldDays::AnswerDayStateRequest(NMHDR* header) const {
  if (header->code != kGetDayState || !m_picker || header->hwndFrom != Calendar()) return false;
  auto& request = *reinterpret_cast<NMDAYSTATE*>(header);
  if (!m_bits || request.cDayState <= 0 || !request.prgDayState) return true;
  const std::vector<uint32_t> bits = m_bits(request.stStart.wYear, request.stStart.wMonth, request.cDayState);
  std::copy_n(bits.begin(), std::min<size_t>(bits.size(), static_cast<size_t>(request.cDayState)), request.prgDayState);
  return true;
}

LRESULT CALLBACK CPickerBoldDays::PickerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
  auto* owner = reinterpret_cast<CPickerBoldDays*>(self);
  // The calendar is readied at the first input that can drop it down, not with the window: its bold
  // font costs the start of the reading window a noticeable part of its time.
  if (msg == WM_LBUTTONDOWN || msg == WM_SYSKEYDOWN || (msg == WM_KEYDOWN && wParam == VK_F4))
    owner->PrepareCalendar();
  if (msg == WM_NOTIFY) {
    if (owner->AnswerDayStateRequest(reinterpret_cast<NMHDR*>(lParam))) return 0;
  } else if (msg == WM_NCDESTROY) {
    owner->Detach();
  }
  return ::DefSubclassProc(window, msg, wParam, lParam);
}

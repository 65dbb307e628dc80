#pragma once
// Shows days in bold in the month calendar that a date picker drops down; the reading window shows its
// read days so. The picker makes its calendar once, without day states, and the calendar refuses that
// style afterwards: at each drop-down it is given the style (past its refusal only on Wine) and the day
// states of the months it shows, and its requests for the months it scrolls to (MCN_GETDAYSTATE, which
// it sends to the picker, its owner) are answered from the picker's subclass. A calendar that keeps
// refusing is shown as before.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <vector>

class CPickerBoldDays {
 public:
  // The day-state words of `count` months from `month` of `year` on (BoldDayBits).
  using DayBits = std::function<std::vector<uint32_t>(int year, int month, int count)>;

  CPickerBoldDays() = default;
  ~CPickerBoldDays() { Detach(); }
  CPickerBoldDays(const CPickerBoldDays&) = delete;
  CPickerBoldDays& operator=(const CPickerBoldDays&) = delete;

  bool Attach(HWND picker, DayBits bits);
  void Detach();
  // On the picker's DTN_DROPDOWN: gives the dropped calendar its bold days. False where the calendar
  // cannot show day states.
  bool OnDropDown();

 private:
  static LRESULT CALLBACK PickerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  HWND Calendar() const;
  // Gives the calendar the picker's font and asks for day states; once, before the first drop-down.
  void PrepareCalendar();
  // Answers the calendar's MCN_GETDAYSTATE; false for any other notification.
  bool AnswerDayStateRequest(NMHDR* header) const;

  HWND m_picker = nullptr;
  DayBits m_bits;
  bool m_bCalendarPrepared = false;
};

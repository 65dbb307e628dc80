#pragma once
// The reading window's page: the date column, the header and the verses of the session's day, in a child
// window of its own below the window's controls, and the verse-wise scrolling through the window's scroll
// bar. It listens to the session: each day shown starts at its first verse. Its text is the window's font at
// the size the user chose.
#include <windows.h>

#include <memory>
#include <string>

#include "reading/DayListener.h"
#include "reading/PageColours.h"
#include "reading/PageFlow.h"
#include "reading/PageFont.h"
#include "reading/ReadingLayout.h"
#include "ui/AccessibleDocument.h"
#include "ui/WindowBase.h"

class CReadingSession;
struct ReadingDay;

// The page's own words, from the string table.
struct PageWords {
  std::string year, month, day;  // "%s년", "%s월", "%s일" of the date column
  std::string noPassage;         // in place of the verses of a day without a reading
};

class CReadingPage : public CWindowBase, public IDayListener {
 public:
  explicit CReadingPage(CReadingSession& session);
  ~CReadingPage() override;

  // Makes the page in the reading window, with the window's font, below its controls; `scrollBar` is the
  // window's bar that moves through the verses.
  bool Create(HWND readingWindow, HWND scrollBar);
  // The text in the window's font at `points`; the window lays itself out again after it, with MeasureText.
  void SetTextSize(int points);
  // The page fills the layout's text area with its one-pixel frame.
  void LayOut(const ReadingLayout& layout);
  // What the layout needs of the page's font.
  PageText MeasureText() const;
  // One scroll code of the window's scroll bar (SB_LINEUP ... SB_THUMBPOSITION), or of a scroll key.
  void Scroll(int code, int thumbPos);
  // Whether the passage overflows the page, so that the scroll keys and the bar move it.
  bool IsScrollEnabled() const { return m_bScrollEnabled; }
  int FirstVerse() const { return m_nFirstVerse; }
  // Puts the day's range and verses on the clipboard as text ("본문 복사", Ctrl+C on the page), or says why not.
  void CopyText();
  // The system's colours or its high-contrast setting changed: the page takes them up and repaints.
  void OnColoursChanged();

  // IDayListener
  void OnDayShown() override;

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  // The scroll bar over the verses 0 to maxPos, at the first; changed only when it shows something else.
  void ResetScrollBar(int maxPos);
  // Repaints the page from `top` (in the reading window's client coordinates) down.
  void InvalidateFrom(int top);
  // The keyboard and screen readers (PageAccess.cpp): the focus, Ctrl+C and the accessible object. True
  // when handled, with the message's result.
  bool OnKeyboardOrReader(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The dotted frame inside the page while it has the focus and focus cues are shown.
  void DrawFocusCue(HDC dc) const;

  CReadingSession& m_session;
  HWND m_scrollBar = nullptr;
  CPageFont m_font;
  PageWords m_words;
  PageColours m_colours;
  ReadingLayout m_layout;
  int m_nFirstVerse = 0;
  bool m_bScrollEnabled = false;
  std::unique_ptr<CAccessibleDocument> m_pAccessible;  // made when a screen reader first asks
};

// Paints the page of `day` onto `dc`, in the reading window's client coordinates, within `clip`, with the
// verses from `firstVerse`; changes nothing else. Returns where the verses ended, for the scroll decision.
VerseFlow DrawReadingPage(HDC dc, const RECT& clip, HFONT font, const ReadingLayout& layout, const ReadingDay& day,
                          int firstVerse, const PageWords& words, const PageColours& colours);

#pragma once
// The verse loop of the reading page and the decision whether the passage overflows it. The painting
// draws through a callback, so the rules of where verses go and when scrolling is allowed stay testable.
#include <functional>

struct VerseFlow {
  int nextVerse = 0;  // the first verse not drawn
  int y = 0;          // where the next verse would start
};

// Draws verses from firstVerse at `top` while at least one more line fits above `bottom`.
// drawVerse(index, top) draws one verse and returns the height of its whole formatted text.
VerseFlow FlowVerses(int firstVerse, int verseCount, int lineHeight, int top, int bottom,
                     const std::function<int(int index, int top)>& drawVerse);

struct ScrollDecision {
  bool bEnabled = false;  // scrolling allowed from now on
  bool bApply = false;    // the scroll bar's enabled state must be set to bEnabled
};

// From the first page the passage decides by whether it fitted; once scrolled down, scrolling stays on.
ScrollDecision DecideScrolling(int firstVerse, int verseCount, const VerseFlow& flow, int bottom, bool wasEnabled);

#include "reading/PageFlow.h"

VerseFlow FlowVerses(int firstVerse, int verseCount, int lineHeight, int top, int bottom,
                     const std::function<int(int, int)>& drawVerse) {
  VerseFlow flow;
  flow.nextVerse = firstVerse;
  flow.y = top;
  while (flow.nextVerse < verseCount && flow.y + lineHeight <= bottom) {
    flow.y += drawVerse(flow.nextVerse, flow.y);
    ++flow.nextVerse;
  }
  return flow;
}

ScrollDecision DecideScrolling(int firstVerse, int verseCount, const VerseFlow& flow, int bottom, bool wasEnabled) {
  ScrollDecision decision;
  if (firstVerse == 0) {
    const bool fits = flow.nextVerse == verseCount && flow.y < bottom;
    decision.bEnabled = !fits;
    decision.bApply = true;
  } else {
    decision.bEnabled = true;
    decision.bApply = !wasEnabled;
  }
  return decision;
}

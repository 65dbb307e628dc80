#pragma once
// The colours of the reading page. Ordinarily its own: a grey date column with white figures, a white page,
// dark blue titles and black text. Under a high-contrast theme the user's own: the window colour for every
// ground, the window text colour for the text and figures, and the hot-light colour for the titles, so the
// page reads as the rest of the user's screen does.
#include <cstdint>

using Colour = uint32_t;  // 0x00BBGGRR, as the window system keeps a colour

struct SystemColours {
  Colour window = 0, windowText = 0, hotLight = 0;
};

struct PageColours {
  Colour dateGround, dateText;  // the date column and the verse numbers
  Colour pageGround, text;      // the header and the verses
  Colour title;                 // the year and month titles
  Colour frame, rule;           // the page's frame, and the line under the header
  bool operator==(const PageColours& other) const {
    return dateGround == other.dateGround && dateText == other.dateText && pageGround == other.pageGround &&
           text == other.text && title == other.title && frame == other.frame && rule == other.rule;
  }
};

PageColours PageColoursFor(bool highContrast, const SystemColours& system);

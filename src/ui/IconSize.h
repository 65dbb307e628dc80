#pragma once
// Which of the program's drawn icon sizes to load for a display scale. Every icon holds 32-bit images of
// these sizes (tools/make_ico.py makes them: the small and the large icon at 100, 125, 150 and 200 %); a load
// of another size would have Windows stretch the nearest one into a blurred picture.
#include <array>

inline constexpr std::array<int, 7> kDrawnIconSizes{16, 20, 24, 32, 40, 48, 64};

// The largest drawn size that fits the size of `sizeAt96` pixels at 96 DPI scaled to `dpi` (16 for a small
// icon, 32 for a large one), so that the icon never spills out of a place laid out for it; the smallest drawn
// size where none fits, and 96 DPI for a DPI that is not positive.
int IconSizeForDpi(int sizeAt96, int dpi);

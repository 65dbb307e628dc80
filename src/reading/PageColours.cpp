#include "reading/PageColours.h"

namespace {

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

}  // namespace

PageColours PageColoursFor(bool highContrast, const SystemColours& system) {
  if (highContrast) {
    return {system.window, system.windowText, system.window,    system.windowText,
            system.hotLight, system.windowText, system.windowText};
  }
  return {Rgb(128, 128, 128), Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(0, 0, 0),
          Rgb(0, 0, 127),     Rgb(64, 64, 64),    Rgb(0, 0, 0)};
}

#include "ui/IconSize.h"

int IconSizeForDpi(int sizeAt96, int dpi) {
  if (dpi <= 0) dpi = 96;
  const long long scaled = static_cast<long long>(sizeAt96) * dpi / 96;
  int chosen = kDrawnIconSizes.front();
  for (int size : kDrawnIconSizes)
    if (size <= scaled) chosen = size;
  return chosen;
}

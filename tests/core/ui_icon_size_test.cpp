// The drawn icon size that a display scale asks for.
#include <gtest/gtest.h>

#include "ui/IconSize.h"

TEST(IconSize, TheLargestDrawnSizeThatFitsTheScaledPlace) {
  const struct {
    int sizeAt96, dpi, size;
  } rows[] = {
      {16, 96, 16},  {16, 120, 20}, {16, 144, 24}, {16, 168, 24},  // 175 %: 28 pixels hold the 24
      {16, 192, 32}, {32, 96, 32},  {32, 120, 40}, {32, 144, 48},
      {32, 192, 64}, {32, 288, 64},  // beyond 200 %: the largest
      {16, 72, 16},  {32, 0, 32},   {32, -96, 32},
  };
  for (const auto& row : rows)
    EXPECT_EQ(IconSizeForDpi(row.sizeAt96, row.dpi), row.size) << row.sizeAt96 << " at " << row.dpi;
}

// The off-screen surface over a memory target with a clip box away from the origin.
#include <gtest/gtest.h>
#include <windows.h>

#include "WinTestSupport.h"
#include "controls/OffscreenDC.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 160, 0);
constexpr COLORREF kInk = RGB(200, 30, 30);

TEST(OffscreenDCTest, DrawingInTargetCoordinatesLandsAtTheClipBoxOnlyWhenDestroyed) {
  CPixelSurface target(100, 100, kBackground);
  ::IntersectClipRect(target.Dc(), 30, 40, 70, 80);
  {
    COffscreenDC dc(target.Dc());
    ASSERT_TRUE(dc.IsOffscreen());
    EXPECT_EQ(30, dc.GetWorkingRect().left);
    EXPECT_EQ(40, dc.GetWorkingRect().top);
    EXPECT_EQ(70, dc.GetWorkingRect().right);
    EXPECT_EQ(80, dc.GetWorkingRect().bottom);
    CBrushHandle ink(::CreateSolidBrush(kInk));
    RECT whole{30, 40, 70, 80};
    CBrushHandle white(::CreateSolidBrush(RGB(255, 255, 255)));
    ::FillRect(dc, &whole, white.Get());
    RECT spot{35, 45, 40, 50};
    ::FillRect(dc, &spot, ink.Get());
    EXPECT_EQ(kBackground, target.Pixel(36, 46)) << "nothing reaches the target before the copy";
  }
  EXPECT_EQ(kInk, target.Pixel(35, 45));
  EXPECT_EQ(kInk, target.Pixel(39, 49));
  EXPECT_EQ(RGB(255, 255, 255), target.Pixel(40, 50));
  EXPECT_EQ(RGB(255, 255, 255), target.Pixel(69, 79));
  EXPECT_EQ(RGB(255, 255, 255), target.Pixel(30, 40));
  // Outside the clip box the target keeps its pixels.
  EXPECT_EQ(kBackground, target.Pixel(29, 45));
  EXPECT_EQ(kBackground, target.Pixel(70, 79));
  EXPECT_EQ(kBackground, target.Pixel(35, 80));
  EXPECT_EQ(kBackground, target.Pixel(5, 5));
}

TEST(OffscreenDCTest, StartsFromTheStateThePageReliesOnAndLeavesTheTargetAlone) {
  CPixelSurface target(50, 50, kBackground);
  ::SetBkMode(target.Dc(), TRANSPARENT);
  ::SetTextAlign(target.Dc(), TA_BOTTOM | TA_RIGHT);
  CPenHandle red(::CreatePen(PS_SOLID, 3, kInk));
  CSelectGuard pen(target.Dc(), red.Get());
  {
    COffscreenDC dc(target.Dc());
    EXPECT_EQ(OPAQUE, ::GetBkMode(dc));
    EXPECT_EQ(static_cast<UINT>(TA_TOP | TA_LEFT),
              ::GetTextAlign(dc) & (TA_TOP | TA_BOTTOM | TA_BASELINE | TA_RIGHT | TA_CENTER));
    EXPECT_EQ(::GetStockObject(BLACK_PEN), ::GetCurrentObject(dc, OBJ_PEN));
    // A one-pixel black line where it is drawn.
    RECT all{0, 0, 50, 50};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::MoveToEx(dc, 5, 10, nullptr);
    ::LineTo(dc, 20, 10);
  }
  EXPECT_EQ(RGB(0, 0, 0), target.Pixel(10, 10));
  EXPECT_EQ(RGB(255, 255, 255), target.Pixel(10, 11));
  EXPECT_EQ(RGB(255, 255, 255), target.Pixel(20, 10));
  EXPECT_EQ(TRANSPARENT, ::GetBkMode(target.Dc()));
  EXPECT_EQ(red.Get(), ::GetCurrentObject(target.Dc(), OBJ_PEN));
}

}  // namespace

// The arithmetic that maps stored 96-dpi layouts to device pixels: Windows' MulDiv rounding, edges
// rather than sizes, the outer size of a framed window and the centre of a screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "toolkit/DpiScale.h"

using namespace tk;

namespace {

constexpr int kMax = std::numeric_limits<std::int32_t>::max();
constexpr int kMin = std::numeric_limits<std::int32_t>::min();

struct ValueCase {
  int value, dpi, scaled;
};

TEST(DpiScaleTest, ValuesRoundToTheNearestPixelWithHalvesAwayFromZero) {
  const ValueCase cases[] = {
      {375, 96, 375},    {-11, 96, -11},                       // the stored resolution
      {375, 120, 469},   {-11, 120, -14},  {-13, 120, -16},    // 468.75, -13.75, -16.25
      {10, 120, 13},     {-10, 120, -13},                      // 12.5 and -12.5
      {231, 144, 347},   {-11, 144, -17},  {-13, 144, -20},    // 346.5, -16.5, -19.5
      {189, 192, 378},   {-11, 192, -22},  {0, 192, 0},
      {75, 0, 75},       {75, -120, 75},                       // no resolution: as stored
      {kMax, 192, kMax}, {kMin, 192, kMin}, {kMax, 48, kMax / 2 + 1},
  };
  for (const ValueCase& c : cases) {
    EXPECT_EQ(ScaleToDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi << " dpi";
  }
}

struct RectCase {
  TRect stored;
  int dpi;
  TRect scaled;
};

TEST(DpiScaleTest, RectanglesScaleTheirEdges) {
  const RectCase cases[] = {
      {{32, 192, 247, 205}, 120, {40, 240, 309, 256}},  // 268.75 wide as a size, 269 as edges
      {{10, 0, 85, 25}, 120, {13, 0, 106, 31}},         // a size of 93.75 would round to 94
      {{0, 212, 375, 231}, 144, {0, 318, 563, 347}},    // ends where the client area ends
      {{24, 16, 205, 32}, 192, {48, 32, 410, 64}},
  };
  for (const RectCase& c : cases) {
    EXPECT_EQ(ScaleToDpi(c.stored, c.dpi), c.scaled) << c.stored.left << "," << c.stored.top;
  }
  // Neighbours that touch at 96 dpi still touch.
  EXPECT_EQ(ScaleToDpi(TRect{10, 0, 85, 25}, 120).right, ScaleToDpi(TRect{85, 0, 160, 25}, 120).left);
}

TEST(DpiScaleTest, OuterSizeIsTheScaledClientAreaInTheFrameOfThatResolution) {
  EXPECT_EQ(OuterSizeAtDpi({375, 231}, {3, 22, 3, 3}, 96), (TSize{381, 256}));
  EXPECT_EQ(OuterSizeAtDpi({375, 231}, {3, 31, 3, 3}, 144), (TSize{569, 381}));
  EXPECT_EQ(OuterSizeAtDpi({kMax, 0}, {3, 40, 3, 3}, 192), (TSize{kMax, 43}));
}

struct CentreCase {
  TRect screen;
  TSize size;
  TPoint origin;
};

TEST(DpiScaleTest, CentredOriginPutsTheCentresTogether) {
  const CentreCase cases[] = {
      {{0, 0, 1280, 1024}, {381, 256}, {449, 384}},
      {{0, 0, 1280, 1024}, {569, 381}, {355, 321}},
      {{-1280, 0, 0, 1024}, {381, 256}, {-831, 384}},  // a screen left of the origin
      {{0, 0, 640, 480}, {800, 600}, {-80, -60}},       // larger than the screen
  };
  for (const CentreCase& c : cases) {
    EXPECT_EQ(CentredOrigin(c.screen, c.size), c.origin) << c.size.width << "x" << c.size.height;
  }
}

}  // namespace

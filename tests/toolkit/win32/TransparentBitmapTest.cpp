#include <gtest/gtest.h>

#include "tests/support/win32/Pixels.h"
#include "toolkit/win32/TransparentBitmap.h"

using plat::UniqueBitmap;
using testsupport::PixelOf;
using tk::win32::OnBackground;

namespace {

// A 4 x 3 picture: blue, with its bottom-left pixel green (the transparent colour) and one more
// green pixel at (2, 0).
UniqueBitmap Picture() {
  const plat::UniqueWindowDc screen = plat::WindowDcOf(nullptr);
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 4, 3));
  const plat::UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
  const plat::UniqueSelection selected = plat::SelectInto(dc.Get(), bitmap.Get());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) SetPixel(dc.Get(), x, y, RGB(0, 0, 255));
  }
  SetPixel(dc.Get(), 0, 2, RGB(0, 255, 0));
  SetPixel(dc.Get(), 2, 0, RGB(0, 255, 0));
  return bitmap;
}

TEST(TransparentBitmapTest, TransparentColourTakesTheBackground) {
  const UniqueBitmap picture = Picture();
  const UniqueBitmap shown = OnBackground(picture.Get(), RGB(255, 255, 255));
  ASSERT_TRUE(shown);
  EXPECT_EQ(PixelOf(shown.Get(), 0, 2), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(shown.Get(), 2, 0), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(shown.Get(), 1, 1), RGB(0, 0, 255));
  EXPECT_EQ(PixelOf(shown.Get(), 3, 2), RGB(0, 0, 255));
}

TEST(TransparentBitmapTest, SizeAndSourceAreKept) {
  const UniqueBitmap picture = Picture();
  const UniqueBitmap shown = OnBackground(picture.Get(), RGB(10, 20, 30));
  BITMAP info{};
  GetObjectW(shown.Get(), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 4);
  EXPECT_EQ(info.bmHeight, 3);
  EXPECT_EQ(PixelOf(shown.Get(), 0, 2), RGB(10, 20, 30));
  EXPECT_EQ(PixelOf(picture.Get(), 0, 2), RGB(0, 255, 0));
}

TEST(TransparentBitmapTest, NoPictureGivesNone) {
  EXPECT_FALSE(OnBackground(nullptr, RGB(0, 0, 0)));
}

}  // namespace

#include <gtest/gtest.h>

#include "toolkit/win32/TransparentBitmap.h"

using tk::win32::BitmapHandle;
using tk::win32::OnBackground;

namespace {

// A 4 x 3 picture: blue, with its bottom-left pixel green (the transparent colour) and one more
// green pixel at (2, 0).
BitmapHandle Picture() {
  HDC screen = GetDC(nullptr);
  BitmapHandle bitmap(CreateCompatibleBitmap(screen, 4, 3));
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap.Get());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) SetPixel(dc, x, y, RGB(0, 0, 255));
  }
  SetPixel(dc, 0, 2, RGB(0, 255, 0));
  SetPixel(dc, 2, 0, RGB(0, 255, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF color = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return color;
}

TEST(TransparentBitmapTest, TransparentColourTakesTheBackground) {
  const BitmapHandle picture = Picture();
  const BitmapHandle shown = OnBackground(picture.Get(), RGB(255, 255, 255));
  ASSERT_TRUE(shown);
  EXPECT_EQ(PixelOf(shown.Get(), 0, 2), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(shown.Get(), 2, 0), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(shown.Get(), 1, 1), RGB(0, 0, 255));
  EXPECT_EQ(PixelOf(shown.Get(), 3, 2), RGB(0, 0, 255));
}

TEST(TransparentBitmapTest, SizeAndSourceAreKept) {
  const BitmapHandle picture = Picture();
  const BitmapHandle shown = OnBackground(picture.Get(), RGB(10, 20, 30));
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

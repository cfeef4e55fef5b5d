#include "toolkit/win32/TransparentBitmap.h"

namespace tk::win32 {

namespace {

// A memory device context that holds one bitmap for its lifetime.
struct BitmapDc {
  BitmapDc(HDC screen, HBITMAP bitmap)
      : dc(CreateCompatibleDC(screen)), selection(plat::SelectInto(dc.Get(), bitmap)) {}
  HDC Get() const { return dc.Get(); }

  plat::UniqueMemoryDc dc;
  plat::UniqueSelection selection;
};

}  // namespace

plat::UniqueBitmap OnBackground(HBITMAP picture, COLORREF background) {
  BITMAP info{};
  if (GetObjectW(picture, sizeof info, &info) == 0) return plat::UniqueBitmap();
  const int w = info.bmWidth;
  const int h = info.bmHeight;

  const plat::UniqueWindowDc screen = plat::WindowDcOf(nullptr);
  plat::UniqueBitmap result(CreateCompatibleBitmap(screen.Get(), w, h));
  const plat::UniqueBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  if (!result || !mask) return plat::UniqueBitmap();
  const BitmapDc source(screen.Get(), picture);
  const BitmapDc target(screen.Get(), result.Get());
  const BitmapDc maskDc(screen.Get(), mask.Get());

  // Mask: white where the picture has the transparent colour.
  SetBkColor(source.Get(), GetPixel(source.Get(), 0, h - 1));
  BitBlt(maskDc.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCCOPY);

  // background ^ picture, cleared where opaque, ^ picture again: the background shows where
  // the mask is white and the picture everywhere else.
  const plat::UniqueBrush brush(CreateSolidBrush(background));
  RECT all{0, 0, w, h};
  FillRect(target.Get(), &all, brush.Get());
  SetBkColor(target.Get(), RGB(255, 255, 255));
  SetTextColor(target.Get(), RGB(0, 0, 0));
  BitBlt(target.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCINVERT);
  BitBlt(target.Get(), 0, 0, w, h, maskDc.Get(), 0, 0, SRCAND);
  BitBlt(target.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCINVERT);
  return result;
}

plat::UniqueBitmap Resized(HBITMAP picture, int width, int height) {
  BITMAP info{};
  if (GetObjectW(picture, sizeof info, &info) == 0 || width <= 0 || height <= 0) {
    return plat::UniqueBitmap();
  }
  const plat::UniqueWindowDc screen = plat::WindowDcOf(nullptr);
  plat::UniqueBitmap result(CreateCompatibleBitmap(screen.Get(), width, height));
  if (!result) return plat::UniqueBitmap();
  const BitmapDc source(screen.Get(), picture);
  const BitmapDc target(screen.Get(), result.Get());
  SetStretchBltMode(target.Get(), HALFTONE);
  // Halftone needs the brush origin set again after the mode.
  SetBrushOrgEx(target.Get(), 0, 0, nullptr);
  StretchBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, info.bmWidth, info.bmHeight,
             SRCCOPY);
  return result;
}

}  // namespace tk::win32

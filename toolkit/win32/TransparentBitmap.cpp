#include "toolkit/win32/TransparentBitmap.h"

namespace tk::win32 {

namespace {

// A memory device context that selects one bitmap for its lifetime.
class BitmapDc {
 public:
  BitmapDc(HDC screen, HBITMAP bitmap)
      : dc_(CreateCompatibleDC(screen)), old_(SelectObject(dc_, bitmap)) {}
  ~BitmapDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  BitmapDc(const BitmapDc&) = delete;
  BitmapDc& operator=(const BitmapDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

BitmapHandle OnBackground(HBITMAP picture, COLORREF background) {
  BITMAP info{};
  if (GetObjectW(picture, sizeof info, &info) == 0) return BitmapHandle();
  const int w = info.bmWidth;
  const int h = info.bmHeight;

  HDC screen = GetDC(nullptr);
  BitmapHandle result(CreateCompatibleBitmap(screen, w, h));
  BitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
  if (result && mask) {
    BitmapDc source(screen, picture);
    BitmapDc target(screen, result.Get());
    BitmapDc maskDc(screen, mask.Get());

    // Mask: white where the picture has the transparent colour.
    SetBkColor(source.Get(), GetPixel(source.Get(), 0, h - 1));
    BitBlt(maskDc.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCCOPY);

    // background ^ picture, cleared where opaque, ^ picture again: the background shows where
    // the mask is white and the picture everywhere else.
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, w, h};
    FillRect(target.Get(), &all, brush);
    DeleteObject(brush);
    SetBkColor(target.Get(), RGB(255, 255, 255));
    SetTextColor(target.Get(), RGB(0, 0, 0));
    BitBlt(target.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCINVERT);
    BitBlt(target.Get(), 0, 0, w, h, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(target.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCINVERT);
  }
  ReleaseDC(nullptr, screen);
  if (!mask) return BitmapHandle();
  return result;
}

}  // namespace tk::win32

// Pictures from the program's bitmap resources, drawn from the top-left corner at their own size
// at 96 dpi, scaled at other resolutions. A missing resource shows nothing.
#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/Resources.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/TransparentBitmap.h"
#include "toolkit/win32/native/SimpleControls.h"

namespace tk::win32 {

namespace {

class ImagePeer : public WindowPeer {
 public:
  explicit ImagePeer(TImage& image) : WindowPeer(image), image_(image) {
    CreateChild(L"STATIC", SS_BITMAP);
    LoadPicture();
  }

  void Apply(Aspect aspect) override {
    if (aspect == Aspect::Picture) {
      LoadPicture();
    } else {
      WindowPeer::Apply(aspect);
    }
  }

  void Rescale() override { LoadPicture(); }

 private:
  void LoadPicture() {
    plat::UniqueBitmap bitmap = LoadBitmapResource(image_.Picture());
    if (bitmap && image_.Transparent()) {
      WindowPeer* parent = FromHandle(GetParent(Handle()));
      const COLORREF background =
          parent != nullptr ? parent->BackgroundColor() : GetSysColor(COLOR_BTNFACE);
      bitmap = OnBackground(bitmap.Get(), background);
    }
    BITMAP info{};
    if (bitmap && Dpi() != kDesignDpi && GetObjectW(bitmap.Get(), sizeof info, &info) != 0) {
      bitmap = Resized(bitmap.Get(), Scaled(info.bmWidth), Scaled(info.bmHeight));
    }
    native::StaticImage(Handle()).SetBitmap(bitmap.Get());
    // The static control keeps using the bitmap; the old one goes after the switch.
    bitmap_ = std::move(bitmap);
    // Setting a picture sizes the control to it; the control's own bounds stay.
    ApplyBounds();
  }
  bool DrawsOnParent() const override { return true; }

  TImage& image_;
  plat::UniqueBitmap bitmap_;
};

}  // namespace

void RegisterImagePeer(PeerRegistry& registry) {
  registry.AddChild<TImage, ImagePeer>();
}

}  // namespace tk::win32

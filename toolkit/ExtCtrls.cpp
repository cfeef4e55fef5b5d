#include "toolkit/ExtCtrls.h"

#include "toolkit/Properties.h"

namespace tk {

const ClassInfo& TImage::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TImage, &TImage::Picture, &TImage::SetPicture>("Picture"),
      BoolProperty<TImage, &TImage::Transparent, &TImage::SetTransparent>("Transparent", false),
  };
  static const ClassInfo info{"TImage", &TControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TImage(o); }};
  return info;
}

void TImage::SetPicture(const std::string& name) {
  if (name == picture_) return;
  picture_ = name;
  NotifyPeer(Aspect::Picture);
}

void TImage::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  NotifyPeer(Aspect::Picture);
}

}  // namespace tk

// Pictures.
#pragma once

#include <string>

#include "toolkit/Control.h"

namespace tk {

class TImage : public TControl {
  TK_CLASS()

 public:
  explicit TImage(TComponent* owner) : TControl(owner) {}
  // The name of the bitmap resource that the picture shows.
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& name);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

 private:
  std::string picture_;
  bool transparent_ = false;
};

}  // namespace tk

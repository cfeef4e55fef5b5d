// Static texts, push buttons and list boxes.
#pragma once

#include <cstdint>

#include "toolkit/Control.h"

namespace tk {

class TLabel : public TControl {
  TK_CLASS()

 public:
  explicit TLabel(TComponent* owner);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

 private:
  bool transparent_ = false;
};

class TButton : public TWinControl {
  TK_CLASS()

 public:
  explicit TButton(TComponent* owner) : TWinControl(owner) {}
};

class TListBox : public TWinControl {
  TK_CLASS()

 public:
  explicit TListBox(TComponent* owner);
  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  void SetItems(TObject* items);
  std::int32_t ItemHeight() const { return itemHeight_; }
  void SetItemHeight(std::int32_t h);
  std::int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(std::int32_t index);

 private:
  TStringList items_;
  std::int32_t itemHeight_ = 13;
  std::int32_t itemIndex_ = -1;
};

}  // namespace tk

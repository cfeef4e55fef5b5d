#include "toolkit/Control.h"

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Properties.h"

namespace tk {

const ClassInfo& TControl::StaticClass() {
  static const PropInfo props[] = {
      IntProperty<TControl, &TControl::Left, &TControl::SetLeft>("Left", Stored::Always),
      IntProperty<TControl, &TControl::Top, &TControl::SetTop>("Top", Stored::Always),
      IntProperty<TControl, &TControl::Width, &TControl::SetWidth>("Width", Stored::Always),
      IntProperty<TControl, &TControl::Height, &TControl::SetHeight>("Height", Stored::Always),
      StringProperty<TControl, &TControl::Hint, &TControl::SetHint>("Hint"),
      BoolProperty<TControl, &TControl::Visible, &TControl::SetVisible>("Visible", true),
  };
  static const ClassInfo info{"TControl", &TComponent::StaticClass(), props};
  return info;
}

const ClassInfo& TWinControl::StaticClass() {
  static const ClassInfo info{"TWinControl", &TControl::StaticClass(), {}};
  return info;
}

PropInfo ControlFontProperty() {
  using FontGetter = const TFont& (TControl::*)() const;
  PropInfo p = ObjectProperty<TControl, static_cast<FontGetter>(&TControl::Font)>("Font");
  p.isStored = [](const TObject& o) { return !static_cast<const TControl&>(o).ParentFont(); };
  return p;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.SetOnChange([this] {
    if (!applyingParentFont_) parentFont_ = false;
    NotifyPeer(Aspect::Font);
    if (auto* self = DynamicCast<TWinControl>(this)) self->FontChanged();
  });
}

TControl::~TControl() {
  DestroyPeer();
  if (parent_ != nullptr) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->InsertControl(this);
    if (parentFont_) ParentFontChanged();
  }
}

void TControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                         std::int32_t height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  NotifyPeer(Aspect::Bounds);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  NotifyPeer(Aspect::Visible);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  NotifyPeer(Aspect::Enabled);
}

void TControl::SetCaption(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  NotifyPeer(Aspect::Text);
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  NotifyPeer(Aspect::Hint);
}

void TControl::SetParentFont(bool on) {
  parentFont_ = on;
  if (on) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || parent_ == nullptr) return;
  applyingParentFont_ = true;
  font_.Assign(parent_->Font());
  applyingParentFont_ = false;
}

void TControl::SetColor(std::int32_t color) {
  if (color == color_) return;
  color_ = color;
  NotifyPeer(Aspect::Color);
}

void TControl::Click() { OnClick(this); }

void TControl::HandleNeeded() {
  if (peer_) return;
  peer_ = Application().GetBackend().CreatePeer(*this);
}

void TControl::DestroyPeer() { peer_.reset(); }

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children go before their parent's window does.
  for (TControl* c : controls_) c->DestroyPeer();
  DestroyPeer();
  for (TControl* c : controls_) c->parent_ = nullptr;
}

void TWinControl::SetTabOrder(std::int32_t order) {
  tabOrder_ = order;
  NotifyPeer(Aspect::TabOrder);
}

void TWinControl::HandleNeeded() {
  TControl::HandleNeeded();
  for (TControl* c : TabOrdered()) c->HandleNeeded();
}

std::vector<TControl*> TWinControl::TabOrdered() const {
  std::vector<TControl*> ordered(controls_);
  std::stable_sort(ordered.begin(), ordered.end(), [](TControl* a, TControl* b) {
    auto key = [](TControl* c) {
      auto* w = DynamicCast<TWinControl>(c);
      return (w != nullptr && w->tabOrder_ >= 0) ? w->tabOrder_ : 1 << 30;
    };
    return key(a) < key(b);
  });
  return ordered;
}

void TWinControl::DisableRedraw() {
  if (redrawLock_++ == 0) NotifyPeer(Aspect::Redraw);
}

void TWinControl::EnableRedraw() {
  if (redrawLock_ > 0 && --redrawLock_ == 0) NotifyPeer(Aspect::Redraw);
}

void TWinControl::InsertControl(TControl* c) { controls_.push_back(c); }

void TWinControl::RemoveControl(TControl* c) {
  auto it = std::find(controls_.begin(), controls_.end(), c);
  if (it != controls_.end()) controls_.erase(it);
}

void TWinControl::FontChanged() {
  for (TControl* c : controls_) c->ParentFontChanged();
}

}  // namespace tk

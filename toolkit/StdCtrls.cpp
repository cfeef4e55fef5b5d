#include "toolkit/StdCtrls.h"

#include "toolkit/Properties.h"

namespace tk {

const ClassInfo& TLabel::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TControl, &TControl::Caption, &TControl::SetCaption>("Caption"),
      OrdinalProperty<TControl, &TControl::Color, &TControl::SetColor>(
          "Color", OrdinalType::Integer, clBtnFace, Stored::IfNotDefault),
      ControlFontProperty(),
      BoolProperty<TControl, &TControl::ParentFont, &TControl::SetParentFont>("ParentFont", true),
      BoolProperty<TLabel, &TLabel::Transparent, &TLabel::SetTransparent>("Transparent", false),
  };
  static const ClassInfo info{"TLabel", &TControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TLabel(o); }};
  return info;
}

const ClassInfo& TButton::StaticClass() {
  static const PropInfo props[] = {
      ObjectProperty<TControl, &TControl::Action>("Action", Stored::Never),
      StringProperty<TControl, &TControl::Caption, &TControl::SetCaption>("Caption"),
      BoolProperty<TControl, &TControl::Enabled, &TControl::SetEnabled>("Enabled", true),
      ControlFontProperty(),
      EventProperty<TControl, &TControl::OnClick>("OnClick"),
      BoolProperty<TControl, &TControl::ParentFont, &TControl::SetParentFont>("ParentFont", true),
      IntProperty<TWinControl, &TWinControl::TabOrder, &TWinControl::SetTabOrder>(
          "TabOrder", Stored::IfNotDefault, -1),
  };
  static const ClassInfo info{"TButton", &TWinControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TButton(o); }};
  return info;
}

const ClassInfo& TListBox::StaticClass() {
  static const PropInfo props[] = {
      ControlFontProperty(),
      IntProperty<TListBox, &TListBox::ItemHeight, &TListBox::SetItemHeight>(
          "ItemHeight", Stored::IfNotDefault, 13),
      ObjectProperty<TListBox, static_cast<const TStrings& (TListBox::*)() const>(&TListBox::Items),
                     &TListBox::SetItems>("Items"),
      BoolProperty<TControl, &TControl::ParentFont, &TControl::SetParentFont>("ParentFont", true),
      IntProperty<TWinControl, &TWinControl::TabOrder, &TWinControl::SetTabOrder>(
          "TabOrder", Stored::IfNotDefault, -1),
  };
  static const ClassInfo info{"TListBox", &TWinControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TListBox(o); }};
  return info;
}

TLabel::TLabel(TComponent* owner) : TControl(owner) {}

void TLabel::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  NotifyPeer(Aspect::Color);
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetColor(clWhite);
  items_.SetObserver([this](StringsChange change, int index) {
    if (Peer() != nullptr) Peer()->ItemsChanged(change, index);
  });
}

void TListBox::SetItems(TObject* items) {
  if (auto* list = DynamicCast<TStrings>(items)) items_.Assign(*list);
}

void TListBox::SetItemHeight(std::int32_t h) {
  if (h == itemHeight_) return;
  itemHeight_ = h;
  NotifyPeer(Aspect::Kind);
}

void TListBox::SetItemIndex(std::int32_t index) {
  if (index == itemIndex_) return;
  itemIndex_ = index;
  NotifyPeer(Aspect::ItemIndex);
}

}  // namespace tk

// Property entries that many control classes publish alike, so each class table lists them by
// name instead of repeating their getters and setters.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/Properties.h"

namespace tk::props {

inline PropInfo Action() {
  return ObjectProperty<TControl, &TControl::Action>("Action", Stored::Never);
}
inline PropInfo Caption() {
  return StringProperty<TControl, &TControl::Caption, &TControl::SetCaption>("Caption");
}
inline PropInfo Text() {
  return StringProperty<TControl, &TControl::Text, &TControl::SetText>("Text");
}
inline PropInfo Color(std::int32_t defaultColor = clBtnFace) {
  return OrdinalProperty<TControl, &TControl::Color, &TControl::SetColor>(
      "Color", OrdinalType::Integer, defaultColor, Stored::IfNotDefault);
}
inline PropInfo Enabled() {
  return BoolProperty<TControl, &TControl::Enabled, &TControl::SetEnabled>("Enabled", true);
}
inline PropInfo Font() {
  return ControlFontProperty();
}
inline PropInfo OnClick() {
  return EventProperty<TControl, &TControl::OnClick>("OnClick");
}
inline PropInfo ParentFont() {
  return BoolProperty<TControl, &TControl::ParentFont, &TControl::SetParentFont>("ParentFont",
                                                                                 true);
}
inline PropInfo TabOrder() {
  return IntProperty<TWinControl, &TWinControl::TabOrder, &TWinControl::SetTabOrder>(
      "TabOrder", Stored::IfNotDefault, -1);
}

// A string list property: reads the list object, writes by copying the given list's items.
template <class C, auto Get, auto Set>
PropInfo Strings(std::string_view name) {
  return ObjectProperty<C, Get, Set>(name);
}

}  // namespace tk::props

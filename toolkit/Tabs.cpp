#include "toolkit/Tabs.h"

#include "toolkit/ControlProps.h"

namespace tk {

const ClassInfo& TTabSet::StaticClass() {
  using TabsGetter = const TStrings& (TCustomTabControl::*)() const;
  static const PropInfo props[] = {
      props::Font(),
      props::ParentFont(),
      props::TabOrder(),
      ObjectProperty<TCustomTabControl, static_cast<TabsGetter>(&TCustomTabControl::Tabs),
                     &TCustomTabControl::SetTabs>("Tabs"),
      IntProperty<TCustomTabControl, &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex>(
          "TabIndex", Stored::IfNotDefault, -1),
  };
  static const ClassInfo info{"TTabSet", &TCustomTabControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TTabSet(o); }};
  return info;
}

}  // namespace tk

#include "toolkit/Notebooks.h"

#include "toolkit/ControlProps.h"

namespace tk {

const ClassInfo& TTabbedNotebook::StaticClass() {
  using PagesGetter = const TStrings& (TTabbedNotebook::*)() const;
  static const PropInfo props[] = {
      props::Font(),
      ObjectProperty<TTabbedNotebook, static_cast<PagesGetter>(&TTabbedNotebook::Pages),
                     &TCustomTabControl::SetTabs>("Pages"),
      IntProperty<TTabbedNotebook, &TTabbedNotebook::PageIndex, &TTabbedNotebook::SetPageIndex>(
          "PageIndex", Stored::IfNotDefault, -1),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TTabbedNotebook", &TCustomTabControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TTabbedNotebook(o); }};
  return info;
}

std::string TTabbedNotebook::ActivePage() const {
  return PageIndex() >= 0 ? Pages()[PageIndex()] : std::string();
}

void TTabbedNotebook::SetActivePage(const std::string& name) {
  const int index = Pages().IndexOf(name);
  if (index >= 0) SetPageIndex(index);
}

}  // namespace tk

// The tabbed notebook: pages chosen by tabs, one tab per page name.
//
// Of the names the localization component asks for, TTabbedNotebook publishes "Hint" only.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/ComCtrls.h"

namespace tk {

class TTabbedNotebook : public TCustomTabControl {
  TK_CLASS()

 public:
  explicit TTabbedNotebook(TComponent* owner) : TCustomTabControl(owner, ItemList::Pages) {}
  // The page names are the tabs.
  TStrings& Pages() { return Tabs(); }
  const TStrings& Pages() const { return Tabs(); }
  std::int32_t PageIndex() const { return TabIndex(); }
  void SetPageIndex(std::int32_t index) { SetTabIndex(index); }
  std::string ActivePage() const;
  // Setting a name that no page has changes nothing.
  void SetActivePage(const std::string& name);
};

}  // namespace tk

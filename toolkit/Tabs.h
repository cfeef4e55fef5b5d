// The tab set: a row of tabs without pages of its own.
//
// Of the names the localization component asks for, TTabSet publishes "Hint" only.
#pragma once

#include "toolkit/ComCtrls.h"

namespace tk {

class TTabSet : public TCustomTabControl {
  TK_CLASS()

 public:
  explicit TTabSet(TComponent* owner) : TCustomTabControl(owner, ItemList::Tabs) {}
};

}  // namespace tk

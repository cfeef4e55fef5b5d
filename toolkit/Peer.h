// The native side of a control. A control keeps its own state; its peer, when the backend gives
// it one, shows that state in a real control. Setters tell the peer which aspect changed and the
// peer reads the new state from its control, so adding a control kind needs no new interface.
#pragma once

#include <cstdint>

#include "toolkit/StringList.h"

namespace tk {

enum class Aspect : std::uint8_t {
  Text,        // caption or text
  Bounds,      // Left, Top, Width, Height
  Visible,
  Enabled,
  Font,
  Color,
  Items,       // list contents (a full reload)
  ItemIndex,
  Picture,
  Animation,   // started or stopped
  Hint,
  TabOrder,
  Redraw,      // redrawing turned off or on again
  Kind,        // anything else specific to the control kind
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Aspect aspect) = 0;
  // One change of a shown list, as its string list reports it; peers that keep a native list
  // update just that item. By default a full reload.
  virtual void ItemsChanged(StringsChange /*change*/, int /*index*/) { Changed(Aspect::Items); }
  // The native handle for backends that need it (an HWND on Windows); null elsewhere.
  virtual void* NativeHandle() const { return nullptr; }
};

}  // namespace tk

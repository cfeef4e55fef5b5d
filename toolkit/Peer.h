// The native side of a control. A control keeps its own state; its peer, when the backend gives
// it one, shows that state in a real control. Setters tell the peer which aspect changed and the
// peer reads the new state from its control, so adding a control kind needs no new interface.
#pragma once

#include <cstdint>

#include "toolkit/ListChange.h"

namespace tk {

enum class Aspect : std::uint8_t {
  Text,    // caption or text
  Bounds,  // Left, Top, Width, Height
  Visible,
  Enabled,
  Font,
  Color,
  Items,      // list contents (a full reload)
  ItemIndex,  // the selected item, tab or page
  Picture,
  Animation,  // started or stopped
  Hint,
  TabOrder,
  Redraw,    // redrawing turned off or on again
  Kind,      // anything else specific to the control kind
  ReadOnly,  // an edit-like control became read-only or editable
  Repaint,   // the whole control is to be drawn again (and its in-place editor refreshed)
};

// Which of a control's lists changed; a control may show several (a list view's columns and
// items). The peer reads the list from its control by the property of the same name.
enum class ItemList : std::uint8_t {
  Items,          // list, combo and radio items; tree nodes (pre-order index); list-view items
  Lines,          // memo lines
  Tabs,           // tab set and tab control tabs
  Pages,          // notebook pages
  Sections,       // header sections (strings or collection)
  Panels,         // status-bar panels
  Columns,        // list-view and database-grid columns
  SubItems,       // the sub-items of the list-view item at the index
  TitleCaptions,  // value-list editor column titles
  Hints,          // navigator button hints
  Strings,        // value-list editor key=value lines
  Cells,          // string-grid cells of the row at the index; Reset for a new shape
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Aspect aspect) = 0;
  // One list of the control changed at `index` (-1 with Reset). A peer that does not care for
  // the detail reloads the whole list.
  virtual void ItemsChanged(ItemList /*list*/, ListChange /*change*/, int /*index*/) {
    Changed(Aspect::Items);
  }
  // The native handle for backends that need it (an HWND on Windows); null elsewhere.
  virtual void* NativeHandle() const { return nullptr; }
};

}  // namespace tk

// Extended combo boxes: the native control's items carry the captions of the control's ItemsEx.
// The extended control answers the plain combo box's messages for its list and selection; only
// inserting an item and the edit text differ.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/ComCtrls.h"
#include "toolkit/win32/ComboBoxPeer.h"
#include "toolkit/win32/StandardPeers.h"

namespace tk::win32 {

namespace {

class ComboBoxExPeer : public ComboBoxPeer {
 public:
  explicit ComboBoxExPeer(TCustomComboBoxEx& combo)
      : ComboBoxPeer(combo, Deferred{}), combo_(combo) {
    CreateChild(WC_COMBOBOXEXW, ComboStyle(combo.Style()) | WS_VSCROLL | TabStopStyle(combo));
    Load();
  }

 private:
  native::ComboBoxEx Extended() const { return native::ComboBoxEx(Handle()); }

  void InsertItem(int index) override {
    Extended().Insert(index, combo_.ItemsEx()[index]->Caption());
  }

  // A drop-down list has no edit: its text is the selected item's.
  HWND EditWindow() const override { return Extended().EditControl(); }

  TCustomComboBoxEx& combo_;
};

}  // namespace

void RegisterComboBoxExPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomComboBoxEx, ComboBoxExPeer>();
}

}  // namespace tk::win32

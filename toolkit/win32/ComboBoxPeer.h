// Combo boxes (plain, data-aware and filter ones): the native list follows the control's items
// one by one; the selection and the edit text follow the control's, which the user's choice and
// typing update in turn. The style is taken when the window is made.
#pragma once

#include "toolkit/StdCtrls.h"
#include "toolkit/win32/WindowPeer.h"
#include "toolkit/win32/native/StringList.h"

namespace tk::win32 {

class ComboBoxPeer : public WindowPeer {
 public:
  explicit ComboBoxPeer(TCustomComboBox& combo);

  void Apply(Aspect aspect) override;
  void ApplyItems(ItemList list, ListChange change, int index) override;

 protected:
  // For kinds of combo box that make their own window (of a related class).
  struct Deferred {};
  ComboBoxPeer(TCustomComboBox& combo, Deferred) : WindowPeer(combo), combo_(combo) {}
  // Fills the new window.
  void Load();

  // Puts the item at `index` into the native list there.
  virtual void InsertItem(int index);
  // The window that shows the edit text.
  virtual HWND EditWindow() const { return Handle(); }

  TCustomComboBox& Combo() const { return combo_; }
  // Every kind answers the plain combo box's messages for its list and selection.
  native::ComboBox Native() const { return native::ComboBox(Handle()); }

 private:
  void Reload();
  void ApplySelection();
  void ApplyText() override;
  void ApplyBounds() override;
  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  TCustomComboBox& combo_;
};

// The window style of a combo box style.
DWORD ComboStyle(std::int32_t style);

}  // namespace tk::win32

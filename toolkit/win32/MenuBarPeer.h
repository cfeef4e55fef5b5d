// Main menus: a form shows the first main menu that it owns as the native menu bar of its window,
// with one native item per menu item and a pop-up menu for the sub-items. A click on an item runs
// the item's Click.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/UniqueHandle.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/Peer.h"

namespace tk::win32 {

class MenuBarPeer : public ControlPeer {
 public:
  MenuBarPeer(TMenu& menu, HWND window);
  ~MenuBarPeer() override;
  MenuBarPeer(const MenuBarPeer&) = delete;
  MenuBarPeer& operator=(const MenuBarPeer&) = delete;

  void Changed(Aspect) override {}
  // An item's caption or state changed (Put at its pre-order index), or the items moved (Reset).
  void ItemsChanged(ItemList list, ListChange change, int index) override;
  // The menu bar's HMENU.
  void* NativeHandle() const override { return bar_.Get(); }

  // Runs the Click of the item with this command id; false when no item has it.
  bool Command(UINT id);

 private:
  // False once the window is gone, and the bar with it.
  bool WindowAlive();
  void Build();
  void AddItems(HMENU into, const TMenuItem& parent);
  void Refresh() const;

  TMenu& menu_;
  HWND window_;
  plat::UniqueMenu bar_;
  std::vector<HMENU> holders_;  // the native menu that holds each item, in pre-order
};

// Gives the form's window the first main menu that the form owns, unless it shows it already.
// Answers whether the window has a menu bar now.
bool ShowMainMenu(TCustomForm& form, HWND window);
// The menu command `id` of the window's menu bar: runs the item's Click. False when the window
// has no menu bar or no item has that id.
bool RunMenuCommand(HWND window, UINT id);

}  // namespace tk::win32

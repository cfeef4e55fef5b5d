// Menus: the items of a menu bar or pop-up menu by their positions.
#pragma once

#include <windows.h>

#include <string>

namespace tk::win32::native {

class Menu {
 public:
  explicit Menu(HMENU menu) noexcept : menu_(menu) {}

  HMENU Handle() const noexcept { return menu_; }
  int Count() const;
  std::string ItemText(int position) const;
  // The pop-up menu that the item opens, null for none.
  HMENU SubMenu(int position) const;

 private:
  HMENU menu_;
};

}  // namespace tk::win32::native

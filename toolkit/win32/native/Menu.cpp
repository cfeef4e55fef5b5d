#include "toolkit/win32/native/Menu.h"

#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

int Menu::Count() const {
  return GetMenuItemCount(menu_);
}

std::string Menu::ItemText(int position) const {
  const auto at = static_cast<UINT>(position);
  return detail::ReadOfLength(GetMenuStringW(menu_, at, nullptr, 0, MF_BYPOSITION),
                              [&](wchar_t* buffer, int capacity) {
                                return GetMenuStringW(menu_, at, buffer, capacity, MF_BYPOSITION);
                              });
}

HMENU Menu::SubMenu(int position) const {
  return GetSubMenu(menu_, position);
}

}  // namespace tk::win32::native

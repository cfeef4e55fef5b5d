#include "toolkit/win32/MenuBarPeer.h"

#include "base/Errors.h"
#include "toolkit/Application.h"
#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

namespace {

constexpr wchar_t kMenuBarProperty[] = L"tk.MenuBar";
// Command ids count the items in pre-order from here, above the controls' ids.
constexpr UINT kFirstCommand = 0x8000;

MENUITEMINFOW ItemInfo(const TMenuItem& item, std::wstring& text) {
  text = Widen(item.Caption());
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
  // A caption of one hyphen is a separator line.
  info.fType = item.Caption() == "-" ? MFT_SEPARATOR : MFT_STRING;
  info.fState = (item.Checked() ? MFS_CHECKED : 0u) | (item.Enabled() ? 0u : MFS_DISABLED);
  info.dwTypeData = text.data();
  return info;
}

}  // namespace

MenuBarPeer::MenuBarPeer(TMenu& menu, HWND window)
    : menu_(menu), window_(window), bar_(CreateMenu()) {
  if (!bar_) throw base::Exception("Error creating menu");
  Build();
  SetMenu(window_, bar_.Get());
  SetPropW(window_, kMenuBarProperty, this);
}

MenuBarPeer::~MenuBarPeer() {
  if (!WindowAlive()) return;
  if (GetPropW(window_, kMenuBarProperty) == this) RemovePropW(window_, kMenuBarProperty);
  if (GetMenu(window_) == bar_.Get()) SetMenu(window_, nullptr);
}

bool MenuBarPeer::WindowAlive() {
  // A destroyed window takes its menu with it.
  if (!IsWindow(window_)) bar_.Release();
  return static_cast<bool>(bar_);
}

void MenuBarPeer::ItemsChanged(ItemList, ListChange change, int index) {
  if (!WindowAlive()) return;
  if (change != ListChange::Put) {
    Build();
    Refresh();
    return;
  }
  const TMenuItem& item = *menu_.Item(index);
  std::wstring text;
  const MENUITEMINFOW info = ItemInfo(item, text);
  SetMenuItemInfoW(holders_.at(static_cast<std::size_t>(index)),
                   static_cast<UINT>(item.MenuIndex()), TRUE, &info);
  Refresh();
}

void MenuBarPeer::Build() {
  // Deleting an item that opens a pop-up menu destroys that menu too.
  while (GetMenuItemCount(bar_.Get()) > 0) DeleteMenu(bar_.Get(), 0, MF_BYPOSITION);
  holders_.clear();
  AddItems(bar_.Get(), *menu_.Items());
}

void MenuBarPeer::AddItems(HMENU into, const TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    std::wstring text;
    MENUITEMINFOW info = ItemInfo(item, text);
    info.fMask |= MIIM_ID;
    info.wID = kFirstCommand + static_cast<UINT>(holders_.size());
    holders_.push_back(into);
    HMENU popup = nullptr;
    if (item.Count() > 0) {
      popup = CreatePopupMenu();
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = popup;
    }
    InsertMenuItemW(into, static_cast<UINT>(i), TRUE, &info);
    if (popup != nullptr) AddItems(popup, item);
  }
}

void MenuBarPeer::Refresh() const {
  if (GetMenu(window_) == bar_.Get()) DrawMenuBar(window_);
}

bool MenuBarPeer::Command(UINT id) {
  if (id < kFirstCommand || id - kFirstCommand >= holders_.size()) return false;
  TMenuItem* item = menu_.Item(static_cast<int>(id - kFirstCommand));
  Application().Guarded([item] { item->Click(); });
  return true;
}

bool ShowMainMenu(TCustomForm& form, HWND window) {
  TMainMenu* menu = nullptr;
  for (int i = 0; i < form.OwnedCount() && menu == nullptr; ++i) {
    menu = DynamicCast<TMainMenu>(form.OwnedComponent(i));
  }
  if (menu == nullptr) return false;
  if (menu->Peer() == nullptr || GetMenu(window) != menu->Peer()->NativeHandle()) {
    menu->SetPeer(std::make_unique<MenuBarPeer>(*menu, window));
  }
  return true;
}

bool RunMenuCommand(HWND window, UINT id) {
  auto* bar = static_cast<MenuBarPeer*>(GetPropW(window, kMenuBarProperty));
  return bar != nullptr && bar->Command(id);
}

}  // namespace tk::win32

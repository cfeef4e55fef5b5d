// Tab controls, tab sets and tabbed notebooks: one native tab per tab (or page name), changed one
// by one; the selected tab follows TabIndex, and the user's choice sets it. A tab set shows its
// tabs at the bottom. Controls on a tab control are its child windows, whose notifications it
// hands on.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/Application.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Tabs.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/TabControl.h"

namespace tk::win32 {

namespace {

class TabControlPeer : public WindowPeer {
 public:
  explicit TabControlPeer(TCustomTabControl& tabs) : WindowPeer(tabs), tabs_(tabs) {
    const DWORD bottom = tabs.Is<TTabSet>() ? TCS_BOTTOM : 0;
    CreateChild(WC_TABCONTROLW,
                TCS_TABS | bottom | MultiLineStyle() | WS_CLIPCHILDREN | TabStopStyle(tabs));
    RouteChildNotifications();
    Reload();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Items:
        Reload();
        break;
      case Aspect::ItemIndex:
        ApplySelection();
        break;
      case Aspect::Kind:
        Native().ReplaceStyle(TCS_MULTILINE, MultiLineStyle());
        Repaint();
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    switch (change) {
      case ListChange::Put:
        Native().Set(index, tabs_.Tabs()[index]);
        return;
      case ListChange::Insert:
        Native().Insert(index, tabs_.Tabs()[index]);
        break;
      case ListChange::Delete:
        Native().Delete(index);
        break;
      case ListChange::Reset:
        Reload();
        return;
    }
    // Taking the selected tab out leaves none selected natively; the control still has one.
    ApplySelection();
  }

 private:
  native::TabControl Native() const { return native::TabControl(Handle()); }

  DWORD MultiLineStyle() const { return tabs_.MultiLine() ? TCS_MULTILINE : 0; }

  void Reload() {
    Native().Clear();
    for (int i = 0; i < tabs_.Tabs().Count(); ++i) Native().Insert(i, tabs_.Tabs()[i]);
    ApplySelection();
  }

  void ApplySelection() { Native().Select(tabs_.TabIndex()); }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
      const std::int32_t index = Native().Selection();
      TCustomTabControl& tabs = tabs_;  // a handler may destroy this peer
      Application().Guarded([&tabs, index] { tabs.SetTabIndex(index); });
      result = 0;
      return true;
    }
    return WindowPeer::Notification(message, wParam, lParam, result);
  }

  TCustomTabControl& tabs_;
};

}  // namespace

void RegisterTabControlPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomTabControl, TabControlPeer>();
}

}  // namespace tk::win32

// List boxes (plain and data-aware): the native list follows the control's string list item by
// item.
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

namespace {

class ListBoxPeer : public WindowPeer {
 public:
  explicit ListBoxPeer(TCustomListBox& listBox) : WindowPeer(listBox), listBox_(listBox) {
    CreateChild(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | TabStopStyle(listBox),
                WS_EX_CLIENTEDGE);
    ApplyItemHeight();
    Reload();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Items:
        Reload();
        break;
      case Aspect::ItemIndex:
        Send(LB_SETCURSEL, static_cast<WPARAM>(listBox_.ItemIndex()), 0);
        break;
      case Aspect::Kind:
        ApplyItemHeight();
        Repaint();
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    switch (change) {
      case StringsChange::Put: {
        const LRESULT selected = Send(LB_GETCURSEL, 0, 0);
        Send(LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        Insert(index);
        if (selected == index) Send(LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        break;
      }
      case StringsChange::Insert:
        Insert(index);
        break;
      case StringsChange::Delete:
        Send(LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        break;
      case StringsChange::Reset:
        Reload();
        break;
    }
  }

 private:
  void Insert(int index) {
    const std::wstring text = Widen(listBox_.Items().Get(index));
    Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  }

  void Reload() {
    Send(LB_RESETCONTENT, 0, 0);
    const TStrings& items = listBox_.Items();
    for (int i = 0; i < items.Count(); ++i) Insert(i);
    Send(LB_SETCURSEL, static_cast<WPARAM>(listBox_.ItemIndex()), 0);
  }

  void ApplyItemHeight() { Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(listBox_.ItemHeight(), 0)); }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
      const auto index = static_cast<std::int32_t>(Send(LB_GETCURSEL, 0, 0));
      TCustomListBox& listBox = listBox_;
      Application().Guarded([&listBox, index] { listBox.SetItemIndex(index); });
      result = 0;
      return true;
    }
    return WindowPeer::Notification(message, wParam, lParam, result);
  }

  TCustomListBox& listBox_;
};

}  // namespace

void RegisterListBoxPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomListBox, ListBoxPeer>();
}

}  // namespace tk::win32

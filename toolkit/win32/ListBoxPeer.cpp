// List boxes (plain and data-aware): the native list follows the control's string list item by
// item.
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/StringList.h"

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
        Native().Select(listBox_.ItemIndex());
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

  void Rescale() override {
    WindowPeer::Rescale();
    ApplyItemHeight();
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    switch (change) {
      case StringsChange::Put: {
        const int selected = Native().Selection();
        Native().Delete(index);
        Insert(index);
        if (selected == index) Native().Select(index);
        break;
      }
      case StringsChange::Insert:
        Insert(index);
        break;
      case StringsChange::Delete:
        Native().Delete(index);
        break;
      case StringsChange::Reset:
        Reload();
        break;
    }
  }

 private:
  native::ListBox Native() const { return native::ListBox(Handle()); }

  void Insert(int index) { Native().Insert(index, listBox_.Items().Get(index)); }

  void Reload() {
    Native().Clear();
    const TStrings& items = listBox_.Items();
    for (int i = 0; i < items.Count(); ++i) Insert(i);
    Native().Select(listBox_.ItemIndex());
  }

  void ApplyItemHeight() { Native().SetItemHeight(Scaled(listBox_.ItemHeight())); }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
      const std::int32_t index = Native().Selection();
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

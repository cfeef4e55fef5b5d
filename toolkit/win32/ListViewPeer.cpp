// List views: native columns with the control's column captions, and native items with each
// item's caption and its sub-items in the columns after the first. Items change one by one; a
// change of the columns puts the sub-items in their columns again. A sorted list view keeps its
// items sorted itself, so the native items come in that order.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ListView.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/native/ListView.h"

namespace tk::win32 {

namespace {

DWORD ViewStyleBits(std::int32_t style) {
  switch (style) {
    case vsSmallIcon:
      return LVS_SMALLICON;
    case vsList:
      return LVS_LIST;
    case vsReport:
      return LVS_REPORT;
    default:
      return LVS_ICON;
  }
}

int ColumnFormat(std::int32_t alignment) {
  switch (alignment) {
    case taRightJustify:
      return LVCFMT_RIGHT;
    case taCenter:
      return LVCFMT_CENTER;
    default:
      return LVCFMT_LEFT;
  }
}

class ListViewPeer : public WindowPeer {
 public:
  explicit ListViewPeer(TCustomListView& view) : WindowPeer(view), view_(view) {
    CreateChild(WC_LISTVIEWW, Style() | LVS_SHOWSELALWAYS | TabStopStyle(view), WS_EX_CLIENTEDGE);
    Native().SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    ApplyColumns();
    ReloadItems();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Kind:
      case Aspect::ReadOnly:
        Native().ReplaceStyle(LVS_TYPEMASK | LVS_EDITLABELS, Style());
        break;
      case Aspect::Items:
        ApplyColumns();
        ReloadItems();
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

  void Rescale() override {
    WindowPeer::Rescale();
    ApplyColumns();
  }

  void ApplyItems(ItemList list, ListChange change, int index) override {
    if (list == ItemList::Columns) {
      if (ApplyColumns()) {
        for (int i = 0; i < view_.Items().Count(); ++i) WriteSubItems(i);
      }
      return;
    }
    if (list == ItemList::SubItems) {
      WriteSubItems(index);
      return;
    }
    switch (change) {
      case ListChange::Put:
        // A sub-item's change comes on its own.
        Native().SetCell(index, 0, view_.Items()[index]->Caption());
        break;
      case ListChange::Insert:
        Native().Insert(index, view_.Items()[index]->Caption());
        WriteSubItems(index);
        break;
      case ListChange::Delete:
        Native().Delete(index);
        break;
      case ListChange::Reset:
        ReloadItems();
        break;
    }
  }

 private:
  native::ListView Native() const { return native::ListView(Handle()); }

  DWORD Style() const {
    return ViewStyleBits(view_.ViewStyle()) | (view_.ReadOnly() ? 0 : LVS_EDITLABELS);
  }

  // True when the number of columns changed.
  bool ApplyColumns() {
    const TListColumns& columns = view_.Columns();
    std::vector<native::ColumnSpec> specs;
    for (int i = 0; i < columns.Count(); ++i) {
      const TListColumn* c = columns[i];
      specs.push_back({c->Caption(), Scaled(c->Width()), ColumnFormat(c->Alignment())});
    }
    return Native().SetColumns(specs);
  }

  void ReloadItems() {
    Native().Clear();
    const TListItems& items = view_.Items();
    for (int i = 0; i < items.Count(); ++i) {
      Native().Insert(i, items[i]->Caption());
      WriteSubItems(i);
    }
  }

  // Column k + 1 shows sub-item k; columns without a sub-item are empty.
  void WriteSubItems(int index) {
    const TStrings& subItems = view_.Items()[index]->SubItems();
    const int columns = Native().ColumnCount();
    for (int k = 1; k < columns; ++k) {
      Native().SetCell(index, k, k - 1 < subItems.Count() ? subItems[k - 1] : std::string());
    }
  }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != WM_NOTIFY) return WindowPeer::Notification(message, wParam, lParam, result);
    if (reinterpret_cast<const NMHDR*>(lParam)->code != LVN_ENDLABELEDITW) return false;
    const auto* edit = reinterpret_cast<const NMLVDISPINFOW*>(lParam);
    // The native text stays: the item's own change brings the new caption back.
    result = FALSE;
    if (edit->item.pszText == nullptr || edit->item.iItem < 0 ||
        edit->item.iItem >= view_.Items().Count()) {
      return true;
    }
    TListItem* item = view_.Items()[edit->item.iItem];
    const std::string text = Narrow(edit->item.pszText);
    Application().Guarded([item, &text] { item->SetCaption(text); });
    return true;
  }

  TCustomListView& view_;
};

}  // namespace

void RegisterListViewPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomListView, ListViewPeer>();
}

}  // namespace tk::win32

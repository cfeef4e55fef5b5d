// Header controls: one native header item per section, with the section's text, width and
// alignment, changed one by one.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/ComCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

namespace {

int SectionFormat(std::int32_t alignment) {
  switch (alignment) {
    case taRightJustify:
      return HDF_STRING | HDF_RIGHT;
    case taCenter:
      return HDF_STRING | HDF_CENTER;
    default:
      return HDF_STRING | HDF_LEFT;
  }
}

class HeaderControlPeer : public WindowPeer {
 public:
  explicit HeaderControlPeer(THeaderControl& header) : WindowPeer(header), header_(header) {
    CreateChild(WC_HEADERW, HDS_HORZ | HDS_BUTTONS);
    Reload();
  }

  void Apply(Aspect aspect) override {
    if (aspect == Aspect::Items) {
      Reload();
    } else {
      WindowPeer::Apply(aspect);
    }
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    switch (change) {
      case ListChange::Put:
        Write(HDM_SETITEMW, index);
        break;
      case ListChange::Insert:
        Write(HDM_INSERTITEMW, index);
        break;
      case ListChange::Delete:
        Send(HDM_DELETEITEM, static_cast<WPARAM>(index));
        break;
      case ListChange::Reset:
        Reload();
        break;
    }
  }

 private:
  void Reload() {
    for (auto n = Send(HDM_GETITEMCOUNT); n > 0; --n) Send(HDM_DELETEITEM, 0);
    for (int i = 0; i < header_.Sections().Count(); ++i) Write(HDM_INSERTITEMW, i);
  }

  void Write(UINT message, int index) {
    const THeaderSection& section = *header_.Sections()[index];
    std::wstring text = Widen(section.Text());
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text.data();
    item.cxy = section.Width();
    item.fmt = SectionFormat(section.Alignment());
    Send(message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }

  THeaderControl& header_;
};

}  // namespace

void RegisterHeaderControlPeer(PeerRegistry& registry) {
  registry.AddChild<THeaderControl, HeaderControlPeer>();
}

}  // namespace tk::win32

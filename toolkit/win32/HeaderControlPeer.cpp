// Header controls: one native header item per section, with the section's text, width and
// alignment, changed one by one.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/ComCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/Header.h"

namespace tk::win32 {

namespace {

int SectionFormat(std::int32_t alignment) {
  switch (alignment) {
    case taRightJustify:
      return HDF_RIGHT;
    case taCenter:
      return HDF_CENTER;
    default:
      return HDF_LEFT;
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

  void Rescale() override {
    WindowPeer::Rescale();
    for (int i = 0; i < header_.Sections().Count(); ++i) Native().Set(i, Item(i));
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    switch (change) {
      case ListChange::Put:
        Native().Set(index, Item(index));
        break;
      case ListChange::Insert:
        Native().Insert(index, Item(index));
        break;
      case ListChange::Delete:
        Native().Delete(index);
        break;
      case ListChange::Reset:
        Reload();
        break;
    }
  }

 private:
  native::Header Native() const { return native::Header(Handle()); }

  void Reload() {
    for (int n = Native().Count(); n > 0; --n) Native().Delete(0);
    for (int i = 0; i < header_.Sections().Count(); ++i) Native().Insert(i, Item(i));
  }

  native::HeaderItem Item(int index) const {
    const THeaderSection& section = *header_.Sections()[index];
    return {section.Text(), Scaled(section.Width()), SectionFormat(section.Alignment())};
  }

  THeaderControl& header_;
};

}  // namespace

void RegisterHeaderControlPeer(PeerRegistry& registry) {
  registry.AddChild<THeaderControl, HeaderControlPeer>();
}

}  // namespace tk::win32

// String grids: there is no native grid, so a read-only list view in report view shows the cells,
// one native column per grid column and one native row per grid row (the fixed ones included),
// without column headers.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "toolkit/Grids.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/ListView.h"

namespace tk::win32 {

namespace {

class StringGridPeer : public WindowPeer {
 public:
  explicit StringGridPeer(TStringGrid& grid) : WindowPeer(grid), grid_(grid) {
    CreateChild(WC_LISTVIEWW,
                LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS | TabStopStyle(grid),
                WS_EX_CLIENTEDGE);
    Native().SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                              LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    Reload();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Kind:
        ApplyColumns();
        break;
      case Aspect::Items:
        Reload();
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

  // A Put names a row whose cells changed; anything else is a new shape.
  void ApplyItems(ItemList, ListChange change, int row) override {
    if (change != ListChange::Put) {
      Reload();
    } else if (row < grid_.RowCount()) {
      WriteRow(row);
    }
  }

 private:
  native::ListView Native() const { return native::ListView(Handle()); }

  void ApplyColumns() {
    const std::vector<native::ColumnSpec> columns(
        static_cast<std::size_t>(grid_.ColCount()),
        native::ColumnSpec{"", Scaled(grid_.DefaultColWidth()), LVCFMT_LEFT});
    Native().SetColumns(columns);
  }

  void Reload() {
    ApplyColumns();
    Native().Clear();
    for (int row = 0; row < grid_.RowCount(); ++row) {
      Native().Insert(row, grid_.Cells(0, row));
      WriteRow(row);
    }
  }

  void WriteRow(int row) {
    for (int col = 0; col < grid_.ColCount(); ++col) {
      Native().SetCell(row, col, grid_.Cells(col, row));
    }
  }

  TStringGrid& grid_;
};

}  // namespace

void RegisterStringGridPeer(PeerRegistry& registry) {
  registry.AddChild<TStringGrid, StringGridPeer>();
}

}  // namespace tk::win32

#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/Grids.h"

using namespace tk;

namespace {

using StringGridPeerTest = Win32App;

using Rows = std::vector<std::vector<std::string>>;

int ColumnCount(HWND view) {
  auto header = reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0));
  return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

Rows Cells(HWND view) {
  const auto rows = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
  Rows out(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < ColumnCount(view); ++col) {
      wchar_t text[256] = {};
      LVITEMW item{};
      item.iSubItem = col;
      item.pszText = text;
      item.cchTextMax = 256;
      SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
      out[static_cast<std::size_t>(row)].push_back(tk::win32::Narrow(text));
    }
  }
  return out;
}

TEST_F(StringGridPeerTest, AReadOnlyReportListShowsEveryCell) {
  auto form = NewForm();
  auto* grid = NewChild<TStringGrid>(*form, 10, 10, 350, 200);
  grid->SetColCount(3);
  grid->SetRowCount(2);
  grid->SetCells(0, 0, "Name");
  grid->SetCells(1, 0,
                 "\xC5\x9A"
                 "cie\xC5\xBCka");
  grid->SetCells(2, 1, "x");
  form->Show();
  HWND hwnd = Hwnd(*grid);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), WC_LISTVIEWW), 0);
  const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(style & LVS_EDITLABELS, 0);
  EXPECT_EQ(Cells(hwnd), (Rows{{"Name",
                                "\xC5\x9A"
                                "cie\xC5\xBCka",
                                ""},
                               {"", "", "x"}}));
}

TEST_F(StringGridPeerTest, FollowsCellsAndCounts) {
  auto form = NewForm();
  auto* grid = NewChild<TStringGrid>(*form, 10, 10, 350, 200);
  grid->SetColCount(2);
  grid->SetRowCount(2);
  form->Show();
  HWND hwnd = Hwnd(*grid);
  grid->SetCells(1, 1, "b");
  EXPECT_EQ(Cells(hwnd), (Rows{{"", ""}, {"", "b"}}));
  grid->SetRowCount(3);
  grid->SetCells(0, 2, "c");
  EXPECT_EQ(Cells(hwnd), (Rows{{"", ""}, {"", "b"}, {"c", ""}}));
  grid->SetColCount(1);
  EXPECT_EQ(Cells(hwnd), (Rows{{""}, {""}, {"c"}}));
  // A cell beyond the grid is kept but not shown.
  grid->SetCells(0, 7, "hidden");
  EXPECT_EQ(Cells(hwnd).size(), 3u);
}

}  // namespace

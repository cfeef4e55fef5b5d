#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/Grids.h"
#include "toolkit/win32/native/ListView.h"

using namespace tk;

namespace {

using StringGridPeerTest = Win32App;

using Rows = std::vector<std::vector<std::string>>;

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
  EXPECT_TRUE(OfClass(hwnd, WC_LISTVIEWW));
  const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(style & LVS_EDITLABELS, 0);
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"Name",
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
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"", ""}, {"", "b"}}));
  grid->SetRowCount(3);
  grid->SetCells(0, 2, "c");
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"", ""}, {"", "b"}, {"c", ""}}));
  grid->SetColCount(1);
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{""}, {""}, {"c"}}));
  // A cell beyond the grid is kept but not shown.
  grid->SetCells(0, 7, "hidden");
  EXPECT_EQ(native::ListView(hwnd).Rows().size(), 3u);
}

}  // namespace

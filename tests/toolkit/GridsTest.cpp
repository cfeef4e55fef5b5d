#include <vector>

#include "base/Errors.h"
#include "tests/support/RecordingPeers.h"
#include "toolkit/Grids.h"
#include "toolkit/Properties.h"

using namespace tk;

namespace {

using GridsTest = PeerApp;

TEST_F(GridsTest, CellsAreAddressedByColumnThenRow) {
  TStringGrid grid(nullptr);
  grid.SetCells(2, 3, "x");
  EXPECT_EQ(grid.Cells(2, 3), "x");
  EXPECT_EQ(grid.Cells(3, 2), "");
}

TEST_F(GridsTest, CountsAreReadAndWrittenByName) {
  TStringGrid grid(nullptr);
  EXPECT_EQ(GetOrdProp(grid, "ColCount"), 5);
  SetOrdProp(grid, "RowCount", 12);
  EXPECT_EQ(grid.RowCount(), 12);
  SetOrdProp(grid, "ColCount", 4);
  EXPECT_EQ(grid.ColCount(), 4);
}

TEST_F(GridsTest, GrowingTheRowCountGivesEmptyRows) {
  TStringGrid grid(nullptr);
  grid.SetRowCount(2);
  const int k = grid.RowCount();
  grid.SetRowCount(k + 1);
  for (int c = 0; c < grid.ColCount(); ++c) EXPECT_EQ(grid.Cells(c, k), "");
}

TEST_F(GridsTest, ShrinkingDropsTheCellsBeyond) {
  TStringGrid grid(nullptr);
  grid.SetCells(1, 4, "gone");
  grid.SetCells(4, 1, "gone too");
  grid.SetRowCount(3);
  grid.SetColCount(3);
  grid.SetRowCount(5);
  grid.SetColCount(5);
  EXPECT_EQ(grid.Cells(1, 4), "");
  EXPECT_EQ(grid.Cells(4, 1), "");
}

TEST_F(GridsTest, CellsBeyondTheCountsKeepTheirTexts) {
  TStringGrid grid(nullptr);
  grid.SetCells(0, 9, "later");
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.Cells(0, 9), "later");
  grid.SetRowCount(10);
  EXPECT_EQ(grid.Cells(0, 9), "later");
}

TEST_F(GridsTest, NegativeCoordinatesRaiseTheIndexError) {
  TStringGrid grid(nullptr);
  EXPECT_THROW(grid.SetCells(-1, 0, "x"), base::EStringListError);
  EXPECT_THROW(grid.Cells(0, -1), base::EStringListError);
}

TEST_F(GridsTest, FixedCountsStayBelowTheCounts) {
  TStringGrid grid(nullptr);
  EXPECT_THROW(grid.SetFixedRows(5), base::Exception);
  grid.SetFixedRows(2);
  grid.SetRowCount(2);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetRowCount(0);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.FixedRows(), 0);
}

TEST_F(GridsTest, PeerHearsCellsByRowAndNewShapesAsReset) {
  TStringGrid grid(nullptr);
  Show(grid);
  grid.SetCells(1, 3, "x");
  grid.SetRowCount(6);
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(grid, ItemList::Cells, ListChange::Put, 3),
                         ItemsNote(grid, ItemList::Cells, ListChange::Reset, -1),
                     }));
}

}  // namespace

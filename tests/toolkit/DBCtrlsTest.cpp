#include <vector>

#include "tests/support/RecordingPeers.h"
#include "toolkit/DB.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/Properties.h"

using namespace tk;

namespace {

using DBCtrlsTest = PeerApp;

TEST_F(DBCtrlsTest, FieldShowsItsNameUntilItHasALabel) {
  TField field(nullptr);
  field.SetFieldName("CUSTNO");
  EXPECT_EQ(field.DisplayLabel(), "CUSTNO");
  SetStrProp(field, "DisplayLabel", "Customer");
  EXPECT_EQ(field.DisplayLabel(), "Customer");
  const PropInfo* label = FindProperty(field, "DisplayLabel", PropKind::String);
  EXPECT_TRUE(IsPropertyStored(field, *label));
  field.SetDisplayLabel("CUSTNO");
  EXPECT_FALSE(IsPropertyStored(field, *label));
  field.SetFieldName("NO");
  EXPECT_EQ(field.DisplayLabel(), "NO");
}

TEST_F(DBCtrlsTest, NavigatorCopiesTheHintsItIsGiven) {
  TDBNavigator navigator(nullptr);
  TStringList hints;
  hints.Add("Erster");
  hints.Add("");
  FindProperty(navigator, "Hints", PropKind::Object)->setObject(navigator, &hints);
  hints.Put(0, "changed");
  EXPECT_EQ(navigator.Hints().Count(), 2);
  EXPECT_EQ(navigator.Hints()[0], "Erster");
}

TEST_F(DBCtrlsTest, NavigatorButtonsFallBackToTheStandardHints) {
  TDBNavigator navigator(nullptr);
  navigator.Hints().Add("Erster");
  navigator.Hints().Add("");
  EXPECT_EQ(navigator.ButtonHint(nbFirst), "Erster");
  EXPECT_EQ(navigator.ButtonHint(nbPrior), "Prior record");
  EXPECT_EQ(navigator.ButtonHint(nbRefresh), "Refresh data");
  EXPECT_EQ(navigator.ButtonHint(kNavigateButtons), "");
}

TEST_F(DBCtrlsTest, NavigatorHintChangesReachThePeer) {
  TDBNavigator navigator(nullptr);
  Show(navigator);
  navigator.Hints().Add("a");
  EXPECT_EQ(notes(),
            (std::vector<PeerNote>{ItemsNote(navigator, ItemList::Hints, ListChange::Insert, 0)}));
}

TEST_F(DBCtrlsTest, DataComboLosesItsSelectionLikeAnyComboBox) {
  TDBComboBox combo(nullptr);
  combo.Items().Add("a");
  combo.SetItemIndex(0);
  combo.Items().Put(0, "A");
  EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST_F(DBCtrlsTest, DataRadioGroupValueFallsBackToTheItemText) {
  TDBRadioGroup group(nullptr);
  group.Items().Add("Yes");
  group.Items().Add("No");
  group.Values().Add("Y");
  EXPECT_EQ(group.Value(), "");
  group.SetItemIndex(0);
  EXPECT_EQ(group.Value(), "Y");
  group.SetItemIndex(1);
  EXPECT_EQ(group.Value(), "No");
}

TEST_F(DBCtrlsTest, GridColumnTitleFallsBackToTheFieldName) {
  TDBGrid grid(nullptr);
  TColumn* column = grid.Columns().Add();
  column->SetFieldName("NAME");
  EXPECT_EQ(column->Title().Caption(), "NAME");
  TObject* title = GetObjectProp(*column, "Title");
  ASSERT_EQ(title, &column->Title());
  SetStrProp(*title, "Caption", "Name");
  EXPECT_EQ(grid.Columns()[0]->Title().Caption(), "Name");
  EXPECT_TRUE(column->Title().CaptionAssigned());
}

TEST_F(DBCtrlsTest, GridHasAColumnPerDataColumnAfterTheIndicator) {
  TDBGrid grid(nullptr);
  for (int i = 0; i < 3; ++i) grid.Columns().Add();
  EXPECT_EQ(grid.ColCount(), 4);
  grid.Columns().Clear();
  EXPECT_EQ(grid.ColCount(), 2);
}

TEST_F(DBCtrlsTest, GridTitleChangesReachThePeerAsColumns) {
  TDBGrid grid(nullptr);
  grid.Columns().Add();
  grid.Columns().Add();
  Show(grid);
  grid.Columns()[1]->Title().SetCaption("Price");
  EXPECT_EQ(notes(),
            (std::vector<PeerNote>{ItemsNote(grid, ItemList::Columns, ListChange::Put, 1)}));
}

}  // namespace

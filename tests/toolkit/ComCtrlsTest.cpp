#include <vector>

#include "tests/support/RecordingPeers.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Properties.h"

using namespace tk;

namespace {

using ComCtrlsTest = PeerApp;

TEST_F(ComCtrlsTest, StatusPanelTextsReachThePeerByIndex) {
  TStatusBar bar(nullptr);
  bar.Panels().Add();
  bar.Panels().Add();
  Show(bar);
  bar.Panels()[1]->SetText("Ready");
  bar.SetSimpleText("Working");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(bar, ItemList::Panels, ListChange::Put, 1),
                         AspectNote(bar, Aspect::Text),
                     }));
}

TEST_F(ComCtrlsTest, CollectionsArePublishedButNotStored) {
  TStatusBar bar(nullptr);
  bar.Panels().Add()->SetText("x");
  const PropInfo* panels = FindProperty(bar, "Panels", PropKind::Object);
  ASSERT_NE(panels, nullptr);
  EXPECT_EQ(panels->getObject(bar), &bar.Panels());
  EXPECT_FALSE(IsPropertyStored(bar, *panels));
  THeaderControl header(nullptr);
  header.Sections().Add();
  EXPECT_FALSE(IsPropertyStored(header, *FindProperty(header, "Sections", PropKind::Object)));
}

TEST_F(ComCtrlsTest, StringListsAreStoredWhenTheyHaveItems) {
  TTabControl tabs(nullptr);
  const PropInfo* list = FindProperty(tabs, "Tabs", PropKind::Object);
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(IsPropertyStored(tabs, *list));
  tabs.Tabs().Add("General");
  EXPECT_TRUE(IsPropertyStored(tabs, *list));
}

TEST_F(ComCtrlsTest, HeaderSectionTextsReachThePeer) {
  THeaderControl header(nullptr);
  Show(header);
  THeaderSection* section = header.Sections().Add();
  section->SetText("Size");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(header, ItemList::Sections, ListChange::Insert, 0),
                         ItemsNote(header, ItemList::Sections, ListChange::Put, 0),
                     }));
}

TEST_F(ComCtrlsTest, TabControlSelectsAFirstTabAndFollowsIt) {
  TTabControl tabs(nullptr);
  tabs.Tabs().Add("a");
  tabs.Tabs().Add("b");
  EXPECT_EQ(tabs.TabIndex(), 0);
  tabs.SetTabIndex(1);
  tabs.Tabs().Insert(0, "z");
  EXPECT_EQ(tabs.TabIndex(), 2);
  tabs.SetTabIndex(9);
  EXPECT_EQ(tabs.TabIndex(), 2);
}

TEST_F(ComCtrlsTest, TabChangesReachThePeerAsTabs) {
  TTabControl tabs(nullptr);
  tabs.Tabs().Add("a");
  Show(tabs);
  tabs.Tabs().Put(0, "A");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{ItemsNote(tabs, ItemList::Tabs, ListChange::Put, 0)}));
}

TEST_F(ComCtrlsTest, ComboBoxExItemsFollowItsExtendedItems) {
  TComboBoxEx combo(nullptr);
  combo.ItemsEx().Add()->SetCaption("one");
  combo.ItemsEx().Add()->SetCaption("two");
  ASSERT_EQ(combo.Items().Count(), 2);
  EXPECT_EQ(combo.Items()[1], "two");
  combo.ItemsEx().Delete(0);
  EXPECT_EQ(combo.Items().Count(), 1);
  EXPECT_EQ(combo.Items()[0], "two");
}

TEST_F(ComCtrlsTest, ComboBoxExLosesItsSelectionWhenTheSelectedCaptionIsWritten) {
  TComboBoxEx combo(nullptr);
  combo.ItemsEx().Add()->SetCaption("one");
  combo.ItemsEx().Add()->SetCaption("two");
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), "two");
  combo.ItemsEx()[0]->SetCaption("eins");
  EXPECT_EQ(combo.ItemIndex(), 1);
  combo.ItemsEx()[1]->SetCaption("zwei");
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), "zwei");
}

TEST_F(ComCtrlsTest, ComboBoxExItemChangesReachThePeerAsItems) {
  TComboBoxEx combo(nullptr);
  combo.ItemsEx().Add();
  Show(combo);
  combo.ItemsEx()[0]->SetImageIndex(3);
  EXPECT_EQ(notes(),
            (std::vector<PeerNote>{ItemsNote(combo, ItemList::Items, ListChange::Put, 0)}));
}

}  // namespace

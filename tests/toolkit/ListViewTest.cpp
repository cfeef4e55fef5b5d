#include <string>
#include <vector>

#include "tests/support/RecordingPeers.h"
#include "toolkit/ListView.h"
#include "toolkit/Properties.h"

using namespace tk;

namespace {

using ListViewTest = PeerApp;
using Texts = std::vector<std::string>;

Texts Captions(const TListItems& items) {
  Texts out;
  for (int i = 0; i < items.Count(); ++i) out.push_back(items[i]->Caption());
  return out;
}

TListItem* AddItem(TListView& view, const std::string& caption) {
  TListItem* item = view.Items().Add();
  item->SetCaption(caption);
  return item;
}

TEST_F(ListViewTest, ItemsCarryACaptionAndSubItems) {
  TListView view(nullptr);
  TListColumn* column = view.Columns().Add();
  column->SetCaption("Name");
  TListItem* item = AddItem(view, "readme.txt");
  item->SubItems().Add("4 KB");
  EXPECT_EQ(view.Columns()[0]->Caption(), "Name");
  EXPECT_EQ(view.Items()[0]->SubItems()[0], "4 KB");
  EXPECT_EQ(GetObjectProp(view, "Columns"), &view.Columns());
  EXPECT_EQ(GetObjectProp(view, "Items"), &view.Items());
}

TEST_F(ListViewTest, SortedByTextItemsMoveWhenRenamed) {
  TListView view(nullptr);
  for (const char* s : {"b", "c", "a"}) AddItem(view, s);
  SetOrdProp(view, "SortType", stText);
  EXPECT_EQ(Captions(view.Items()), (Texts{"a", "b", "c"}));
  view.Items()[0]->SetCaption("d");
  EXPECT_EQ(Captions(view.Items()), (Texts{"b", "c", "d"}));
}

TEST_F(ListViewTest, UnsortedRenamingKeepsThePlaces) {
  TListView view(nullptr);
  for (const char* s : {"b", "c", "a"}) AddItem(view, s);
  view.SetSortType(stText);
  view.SetSortType(stNone);
  view.Items()[0]->SetCaption("z");
  EXPECT_EQ(Captions(view.Items()), (Texts{"z", "b", "c"}));
  view.SetSortType(stBoth);
  EXPECT_EQ(Captions(view.Items()), (Texts{"b", "c", "z"}));
}

TEST_F(ListViewTest, SortedByDataCaptionsDoNotMoveItems) {
  TListView view(nullptr);
  TListItem* x = AddItem(view, "x");
  TListItem* y = AddItem(view, "y");
  x->SetData(2);
  y->SetData(1);
  view.SetSortType(stData);
  EXPECT_EQ(Captions(view.Items()), (Texts{"y", "x"}));
  y->SetCaption("z");
  EXPECT_EQ(Captions(view.Items()), (Texts{"z", "x"}));
}

TEST_F(ListViewTest, PeerHearsColumnsItemsAndSubItemsApart) {
  TListView view(nullptr);
  view.Columns().Add();
  TListItem* first = AddItem(view, "a");
  TListItem* second = AddItem(view, "b");
  Show(view);
  view.Columns()[0]->SetCaption("Name");
  second->SetCaption("B");
  second->SubItems().Add("1");
  first->SubItems().Add("2");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(view, ItemList::Columns, ListChange::Put, 0),
                         ItemsNote(view, ItemList::Items, ListChange::Put, 1),
                         ItemsNote(view, ItemList::SubItems, ListChange::Put, 1),
                         ItemsNote(view, ItemList::SubItems, ListChange::Put, 0),
                     }));
}

TEST_F(ListViewTest, PeerHearsAResortAsOneReset) {
  TListView view(nullptr);
  view.SetSortType(stText);
  AddItem(view, "a");
  AddItem(view, "b");
  Show(view);
  view.Items()[0]->SetCaption("c");
  view.Items()[0]->SetCaption("a");  // stays first: a plain change
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(view, ItemList::Items, ListChange::Reset, -1),
                         ItemsNote(view, ItemList::Items, ListChange::Put, 0),
                     }));
}

TEST_F(ListViewTest, SubItemsOfADeletedItemNoLongerReport) {
  TListView view(nullptr);
  AddItem(view, "a");
  Show(view);
  view.Items().Delete(0);
  notes().clear();
  view.Items().Add()->SubItems().Add("x");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(view, ItemList::Items, ListChange::Insert, 0),
                         ItemsNote(view, ItemList::SubItems, ListChange::Put, 0),
                     }));
}

}  // namespace

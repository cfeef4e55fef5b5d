#include <string>
#include <vector>

#include "base/Errors.h"
#include "tests/support/RecordingPeers.h"
#include "toolkit/Properties.h"
#include "toolkit/TreeView.h"

using namespace tk;

namespace {

using TreeViewTest = PeerApp;

std::vector<std::string> Walk(const TTreeNodes& nodes) {
  std::vector<std::string> texts;
  for (int i = 0; i < nodes.Count(); ++i) texts.push_back(nodes.Item(i)->Text());
  return texts;
}

using Texts = std::vector<std::string>;

// a (a1 (a11), a2), b (b1)
struct SampleTree {
  explicit SampleTree(TTreeNodes& n) : nodes(n) {
    a = nodes.Add(nullptr, "a");
    b = nodes.Add(nullptr, "b");
    a1 = nodes.AddChild(a, "a1");
    a2 = nodes.AddChild(a, "a2");
    b1 = nodes.AddChild(b, "b1");
    a11 = nodes.AddChild(a1, "a11");
  }
  TTreeNodes& nodes;
  TTreeNode *a, *b, *a1, *a2, *b1, *a11;
};

TEST_F(TreeViewTest, NodesAreCountedThroughTheWholeTreeInPreOrder) {
  TTreeView tree(nullptr);
  SampleTree t(tree.Items());
  EXPECT_EQ(tree.Items().Count(), 6);
  EXPECT_EQ(Walk(tree.Items()), (Texts{"a", "a1", "a11", "a2", "b", "b1"}));
  EXPECT_EQ(t.a2->AbsoluteIndex(), 3);
  EXPECT_EQ(t.b1->AbsoluteIndex(), 5);
  EXPECT_EQ(t.a11->Level(), 2);
  EXPECT_EQ(t.a1->Parent(), t.a);
  EXPECT_EQ(t.b->Parent(), nullptr);
}

TEST_F(TreeViewTest, PlacingNodesBySiblingOrParent) {
  TTreeView tree(nullptr);
  TTreeNodes& nodes = tree.Items();
  TTreeNode* m = nodes.Add(nullptr, "m");
  nodes.AddFirst(m, "first");
  nodes.Insert(m, "before m");
  TTreeNode* c = nodes.AddChild(m, "c");
  nodes.AddChildFirst(m, "c0");
  nodes.Add(c, "c2");
  nodes.Insert(nullptr, "last");
  EXPECT_EQ(Walk(nodes), (Texts{"first", "before m", "m", "c0", "c", "c2", "last"}));
  EXPECT_EQ(c->Index(), 1);
  EXPECT_EQ(nodes.TopCount(), 4);
}

TEST_F(TreeViewTest, DeletingANodeTakesItsChildren) {
  TTreeView tree(nullptr);
  SampleTree t(tree.Items());
  tree.Items().Delete(t.a1);
  EXPECT_EQ(tree.Items().Count(), 4);
  EXPECT_EQ(Walk(tree.Items()), (Texts{"a", "a2", "b", "b1"}));
  tree.Items().Clear();
  EXPECT_EQ(tree.Items().Count(), 0);
  EXPECT_EQ(tree.Items().GetFirstNode(), nullptr);
}

TEST_F(TreeViewTest, IndexOutsideRaisesTheListIndexError) {
  TTreeView tree(nullptr);
  tree.Items().Add(nullptr, "a");
  EXPECT_THROW(tree.Items().Item(1), base::EStringListError);
  EXPECT_THROW(tree.Items().Item(-1), base::EStringListError);
  EXPECT_THROW(tree.Items().Item(0)->Item(0), base::EStringListError);
}

TEST_F(TreeViewTest, WritingTextsInPreOrderUnsortedTouchesEachNodeOnce) {
  TTreeView tree(nullptr);
  SampleTree t(tree.Items());
  for (int i = 0; i < tree.Items().Count(); ++i) {
    tree.Items().Item(i)->SetText(std::to_string(9 - i));
  }
  EXPECT_EQ(Walk(tree.Items()), (Texts{"9", "8", "7", "6", "5", "4"}));
  EXPECT_EQ(t.b1->Text(), "4");
}

TEST_F(TreeViewTest, SortedByTextNewNodesTakeTheirPlace) {
  TTreeView tree(nullptr);
  tree.SetSortType(stText);
  tree.Items().Add(nullptr, "Kiwi");
  tree.Items().Add(nullptr, "apple");
  tree.Items().Add(nullptr, "Mango");
  EXPECT_EQ(Walk(tree.Items()), (Texts{"apple", "Kiwi", "Mango"}));
}

TEST_F(TreeViewTest, SortedByTextARenamedNodeMovesAmongItsSiblings) {
  TTreeView tree(nullptr);
  SampleTree t(tree.Items());
  tree.SetSortType(stText);
  t.a->SetText("z");
  EXPECT_EQ(Walk(tree.Items()), (Texts{"b", "b1", "z", "a1", "a11", "a2"}));
  t.a1->SetText("a3");  // moves behind a2, with its child
  EXPECT_EQ(Walk(tree.Items()), (Texts{"b", "b1", "z", "a2", "a3", "a11"}));
}

TEST_F(TreeViewTest, SortingAgainAfterAnUnsortedWalkRestoresTheOrder) {
  TTreeView tree(nullptr);
  for (const char* s : {"a", "b", "c"}) tree.Items().Add(nullptr, s);
  tree.SetSortType(stText);
  tree.SetSortType(stNone);
  const char* translated[] = {"z", "y", "x"};
  for (int i = 0; i < 3; ++i) tree.Items().Item(i)->SetText(translated[i]);
  EXPECT_EQ(Walk(tree.Items()), (Texts{"z", "y", "x"}));
  SetOrdProp(tree, "SortType", stText);
  EXPECT_EQ(Walk(tree.Items()), (Texts{"x", "y", "z"}));
  EXPECT_EQ(GetOrdProp(tree, "SortType"), stText);
}

TEST_F(TreeViewTest, AWalkThatKeepsSortingScramblesTheTexts) {
  // Why a walk turns sorting off: renaming node 0 moves it, and node 0 is another node then.
  TTreeView tree(nullptr);
  for (const char* s : {"a", "b", "c"}) tree.Items().Add(nullptr, s);
  tree.SetSortType(stText);
  const char* translated[] = {"z", "y", "x"};
  for (int i = 0; i < 3; ++i) tree.Items().Item(i)->SetText(translated[i]);
  EXPECT_NE(Walk(tree.Items()), (Texts{"x", "y", "z"}));
}

TEST_F(TreeViewTest, SortedByDataThenByBoth) {
  TTreeView tree(nullptr);
  TTreeNode* x = tree.Items().Add(nullptr, "b");
  TTreeNode* y = tree.Items().Add(nullptr, "a");
  TTreeNode* z = tree.Items().Add(nullptr, "a");
  x->SetData(1);
  y->SetData(3);
  z->SetData(2);
  tree.SetSortType(stData);
  EXPECT_EQ(tree.Items().Item(0), x);
  EXPECT_EQ(tree.Items().Item(1), z);
  y->SetText("0");  // a text change does not move nodes sorted by data
  EXPECT_EQ(tree.Items().Item(2), y);
  tree.SetSortType(stBoth);
  EXPECT_EQ(Walk(tree.Items()), (Texts{"0", "a", "b"}));
  tree.Items().Item(0)->SetText("a");  // same text as z: data decides
  EXPECT_EQ(tree.Items().Item(0), z);
  EXPECT_EQ(tree.Items().Item(1), y);
}

TEST_F(TreeViewTest, PeerHearsNodeChangesWithTheirPreOrderIndex) {
  TTreeView tree(nullptr);
  SampleTree t(tree.Items());
  Show(tree);
  t.a2->SetText("A2");
  TTreeNode* added = tree.Items().AddChild(t.b, "b2");
  tree.Items().Delete(t.a1);
  EXPECT_EQ(added->AbsoluteIndex(), 4);
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(tree, ItemList::Items, ListChange::Put, 3),
                         ItemsNote(tree, ItemList::Items, ListChange::Insert, 6),
                         ItemsNote(tree, ItemList::Items, ListChange::Delete, 1),
                     }));
}

TEST_F(TreeViewTest, PeerHearsOneResetForAnUpdateOrASort) {
  TTreeView tree(nullptr);
  Show(tree);
  tree.Items().BeginUpdate();
  for (const char* s : {"c", "b", "a"}) tree.Items().Add(nullptr, s);
  tree.Items().Item(0)->SetText("d");
  tree.Items().EndUpdate();
  tree.SetSortType(stText);
  tree.SetSortType(stNone);
  tree.SetSortType(stText);  // already in order: nothing moves
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(tree, ItemList::Items, ListChange::Reset, -1),
                         ItemsNote(tree, ItemList::Items, ListChange::Reset, -1),
                     }));
}

TEST_F(TreeViewTest, ReadOnlyIsPublishedWithoutText) {
  TTreeView tree(nullptr);
  EXPECT_TRUE(HasProperty(tree, "ReadOnly"));
  EXPECT_FALSE(HasProperty(tree, "Text"));
  EXPECT_FALSE(HasProperty(tree, "Lines"));
  EXPECT_EQ(GetObjectProp(tree, "Items"), &tree.Items());
}

}  // namespace

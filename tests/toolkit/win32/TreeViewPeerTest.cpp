#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/TreeView.h"
#include "toolkit/win32/native/TreeView.h"

using namespace tk;

namespace {

using TreeViewPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

// The native nodes in pre-order, each as its depth in dots and its text.
std::vector<std::string> NativeTree(HWND tree) {
  std::vector<std::string> out;
  for (const auto& [depth, text] : native::TreeView(tree).Lines()) {
    out.push_back(std::string(static_cast<std::size_t>(depth), '.') + text);
  }
  return out;
}

TEST_F(TreeViewPeerTest, ShowsTheNodesWithTheirChildren) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  TTreeNodes& nodes = tree->Items();
  TTreeNode* programs = nodes.Add(nullptr, "Programme");
  nodes.AddChild(programs, "Vuvavoredir");
  nodes.AddChild(nodes.AddChild(programs, kPath), "leaf");
  nodes.Add(nullptr, "Morlen");
  form->Show();
  HWND hwnd = Hwnd(*tree);
  EXPECT_TRUE(OfClass(hwnd, WC_TREEVIEWW));
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"Programme", ".Vuvavoredir", "." + kPath,
                                                        "..leaf", "Morlen"}));
}

TEST_F(TreeViewPeerTest, FollowsTextsAndInsertedNodes) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  TTreeNodes& nodes = tree->Items();
  TTreeNode* a = nodes.Add(nullptr, "a");
  nodes.AddChild(a, "a1");
  TTreeNode* b = nodes.Add(nullptr, "b");
  form->Show();
  HWND hwnd = Hwnd(*tree);
  nodes.Item(1)->SetText(kPath);
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"a", "." + kPath, "b"}));
  nodes.AddChildFirst(a, "a0");
  nodes.AddChild(b, "b1");
  nodes.Insert(b, "between");
  nodes.AddFirst(nullptr, "top");
  EXPECT_EQ(NativeTree(hwnd),
            (std::vector<std::string>{"top", "a", ".a0", "." + kPath, "between", "b", ".b1"}));
}

TEST_F(TreeViewPeerTest, DeletingANodeTakesItsChildrenAndLaterChangesStillLand) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  TTreeNodes& nodes = tree->Items();
  TTreeNode* a = nodes.Add(nullptr, "a");
  nodes.AddChild(nodes.AddChild(a, "a1"), "a11");
  nodes.Add(nullptr, "b");
  form->Show();
  HWND hwnd = Hwnd(*tree);
  nodes.Delete(a);
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"b"}));
  nodes.Item(0)->SetText("B");
  nodes.AddChild(nodes.Item(0), "b1");
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"B", ".b1"}));
  nodes.Clear();
  EXPECT_TRUE(NativeTree(hwnd).empty());
}

TEST_F(TreeViewPeerTest, SortedByTextTheNativeTreeStaysSorted) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  TTreeNodes& nodes = tree->Items();
  TTreeNode* c = nodes.Add(nullptr, "c");
  nodes.AddChild(c, "z");
  nodes.AddChild(c, "y");
  nodes.Add(nullptr, "a");
  form->Show();
  HWND hwnd = Hwnd(*tree);
  tree->SetSortType(stText);
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"a", "c", ".y", ".z"}));
  nodes.Add(nullptr, "b");
  nodes.AddChild(c, "x");
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"a", "b", "c", ".x", ".y", ".z"}));
  nodes.Item(0)->SetText("d");
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"b", "c", ".x", ".y", ".z", "d"}));
}

TEST_F(TreeViewPeerTest, TextsWrittenUnsortedThenSortedAgainEndSorted) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  TTreeNodes& nodes = tree->Items();
  nodes.Add(nullptr, "1");
  nodes.Add(nullptr, "2");
  nodes.Add(nullptr, "3");
  tree->SetSortType(stText);
  form->Show();
  // As a translation rewrites the texts: unsorted during the walk, sorted afterwards.
  tree->SetSortType(stNone);
  nodes.Item(0)->SetText("Zwei");
  nodes.Item(1)->SetText("Drei");
  nodes.Item(2)->SetText("Eins");
  EXPECT_EQ(NativeTree(Hwnd(*tree)), (std::vector<std::string>{"Zwei", "Drei", "Eins"}));
  tree->SetSortType(stText);
  EXPECT_EQ(NativeTree(Hwnd(*tree)), (std::vector<std::string>{"Drei", "Eins", "Zwei"}));
}

TEST_F(TreeViewPeerTest, SortingKeepsExpandedAndSelectedItemsSo) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  TTreeNodes& nodes = tree->Items();
  TTreeNode* b = nodes.Add(nullptr, "b");
  nodes.AddChild(b, "b2");
  nodes.AddChild(b, "b1");
  nodes.Add(nullptr, "a");
  form->Show();
  HWND hwnd = Hwnd(*tree);
  HTREEITEM first = TreeView_GetRoot(hwnd);
  TreeView_Expand(hwnd, first, TVE_EXPAND);
  TreeView_SelectItem(hwnd, first);
  tree->SetSortType(stText);
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"a", "b", ".b1", ".b2"}));
  HTREEITEM selected = TreeView_GetSelection(hwnd);
  EXPECT_EQ(native::TreeView(hwnd).Text(selected), "b");
  EXPECT_NE(TreeView_GetItemState(hwnd, selected, TVIS_EXPANDED) & TVIS_EXPANDED, 0u);
  // Changes after the reorder still land on the right items.
  nodes.Item(2)->SetText("b0");
  nodes.AddChild(nodes.Item(0), "a1");
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{"a", ".a1", "b", ".b0", ".b2"}));
}

TEST_F(TreeViewPeerTest, EditingANodeInPlaceWritesTheNodesText) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  tree->Items().Add(nullptr, "old");
  form->Show();
  HWND hwnd = Hwnd(*tree);
  SetFocus(hwnd);
  const native::TreeView view(hwnd);
  auto edit = reinterpret_cast<HWND>(view.Send(TVM_EDITLABELW, 0, view.Root()));
  ASSERT_NE(edit, nullptr);
  native::Window(edit).SetText(kPath);
  view.Send(TVM_ENDEDITLABELNOW, FALSE);
  EXPECT_EQ(tree->Items().Item(0)->Text(), kPath);
  EXPECT_EQ(NativeTree(hwnd), (std::vector<std::string>{kPath}));
}

TEST_F(TreeViewPeerTest, ReadOnlyTreeCannotBeEditedInPlace) {
  auto form = NewForm();
  auto* tree = NewChild<TTreeView>(*form, 10, 10, 300, 200);
  tree->SetReadOnly(true);
  form->Show();
  EXPECT_EQ(native::Window(Hwnd(*tree)).Style() & TVS_EDITLABELS, 0u);
  tree->SetReadOnly(false);
  EXPECT_NE(native::Window(Hwnd(*tree)).Style() & TVS_EDITLABELS, 0u);
}

}  // namespace

#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ListView.h"
#include "toolkit/win32/native/ListView.h"

using namespace tk;

namespace {

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

using Rows = std::vector<std::vector<std::string>>;

TListItem* AddItem(TListView& view, const std::string& caption,
                   const std::vector<std::string>& subItems) {
  TListItem* item = view.Items().Add();
  item->SetCaption(caption);
  for (const std::string& s : subItems) item->SubItems().Add(s);
  return item;
}

class ListViewPeerTest : public Win32App {
 protected:
  TListView* NewView(TForm& form, const std::vector<std::string>& columns) {
    auto* view = NewChild<TListView>(form, 10, 10, 350, 200);
    view->SetViewStyle(vsReport);
    for (const std::string& caption : columns) view->Columns().Add()->SetCaption(caption);
    return view;
  }
};

TEST_F(ListViewPeerTest, ReportViewWithColumnsItemsAndSubItems) {
  auto form = NewForm();
  TListView* view = NewView(*form, {"Name", kPath, "Size"});
  AddItem(*view, "plugins", {"C:\\Trelvia\\vlc", "12"});
  AddItem(*view, "locale", {"C:\\Trelvia\\vlc\\pl"});
  form->Show();
  HWND hwnd = Hwnd(*view);
  EXPECT_TRUE(OfClass(hwnd, WC_LISTVIEWW));
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(native::ListView(hwnd).Columns(), (std::vector<std::string>{"Name", kPath, "Size"}));
  EXPECT_EQ(native::ListView(hwnd).Rows(),
            (Rows{{"plugins", "C:\\Trelvia\\vlc", "12"}, {"locale", "C:\\Trelvia\\vlc\\pl", ""}}));
}

TEST_F(ListViewPeerTest, FollowsItemsAndSubItems) {
  auto form = NewForm();
  TListView* view = NewView(*form, {"A", "B"});
  AddItem(*view, "1", {"1b"});
  AddItem(*view, "2", {"2b"});
  form->Show();
  HWND hwnd = Hwnd(*view);
  view->Items()[1]->SetCaption(kPath);
  view->Items()[0]->SubItems().Put(0, "one");
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"1", "one"}, {kPath, "2b"}}));
  TListItem* inserted = view->Items().Insert(0);
  inserted->SetCaption("0");
  inserted->SubItems().Add("0b");
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"0", "0b"}, {"1", "one"}, {kPath, "2b"}}));
  view->Items().Delete(1);
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"0", "0b"}, {kPath, "2b"}}));
  view->Items()[0]->SubItems().Clear();
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"0", ""}, {kPath, "2b"}}));
  view->Items().Clear();
  EXPECT_TRUE(native::ListView(hwnd).Rows().empty());
}

TEST_F(ListViewPeerTest, FollowsColumnsAndKeepsSubItemsInTheirColumns) {
  auto form = NewForm();
  TListView* view = NewView(*form, {"A"});
  AddItem(*view, "1", {"1b", "1c"});
  form->Show();
  HWND hwnd = Hwnd(*view);
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"1"}}));
  view->Columns().Add()->SetCaption("B");
  view->Columns().Add()->SetCaption("C");
  EXPECT_EQ(native::ListView(hwnd).Columns(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"1", "1b", "1c"}}));
  view->Columns()[0]->SetCaption(kPath);
  view->Columns().Delete(1);
  EXPECT_EQ(native::ListView(hwnd).Columns(), (std::vector<std::string>{kPath, "C"}));
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"1", "1b"}}));
}

TEST_F(ListViewPeerTest, SortedByTextTheNativeItemsStaySorted) {
  auto form = NewForm();
  TListView* view = NewView(*form, {"A", "B"});
  AddItem(*view, "c", {"3"});
  AddItem(*view, "a", {"1"});
  form->Show();
  HWND hwnd = Hwnd(*view);
  view->SetSortType(stText);
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"a", "1"}, {"c", "3"}}));
  AddItem(*view, "b", {"2"});
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"a", "1"}, {"b", "2"}, {"c", "3"}}));
  view->Items()[0]->SetCaption("d");
  EXPECT_EQ(native::ListView(hwnd).Rows(), (Rows{{"b", "2"}, {"c", "3"}, {"d", "1"}}));
}

TEST_F(ListViewPeerTest, ViewStyleAndReadOnlyFollowTheControl) {
  auto form = NewForm();
  TListView* view = NewView(*form, {"A"});
  form->Show();
  HWND hwnd = Hwnd(*view);
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_STYLE) & LVS_EDITLABELS, 0);
  view->SetReadOnly(true);
  view->SetViewStyle(vsList);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & LVS_EDITLABELS, 0);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
}

}  // namespace

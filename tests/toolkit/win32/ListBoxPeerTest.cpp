#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/StringList.h"

using namespace tk;

namespace {

using ListBoxPeerTest = Win32App;

TEST_F(ListBoxPeerTest, ShowsTheItemsItHadBeforeItWasShown) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->Items().Add("vlc\\plugins");
  list->Items().Add("vlc\\locale\\pl");
  form->Show();
  HWND hwnd = Hwnd(*list);
  EXPECT_TRUE(OfClass(hwnd, L"ListBox"));
  EXPECT_EQ(native::ListBox(hwnd).Items(),
            (std::vector<std::string>{"vlc\\plugins", "vlc\\locale\\pl"}));
}

TEST_F(ListBoxPeerTest, FollowsEachChangeOfItsItems) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->Items().Add("a");
  form->Show();
  HWND hwnd = Hwnd(*list);
  TStrings& items = list->Items();
  items.Add("c");
  items.Insert(1, "b");
  EXPECT_EQ(native::ListBox(hwnd).Items(), (std::vector<std::string>{"a", "b", "c"}));
  items.Put(0, "\xC5\xBC\xC3\xB3\xC5\x82w");
  EXPECT_EQ(native::ListBox(hwnd).Items(),
            (std::vector<std::string>{"\xC5\xBC\xC3\xB3\xC5\x82w", "b", "c"}));
  items.Delete(1);
  EXPECT_EQ(native::ListBox(hwnd).Items(),
            (std::vector<std::string>{"\xC5\xBC\xC3\xB3\xC5\x82w", "c"}));
  items.SetCommaText("x,y,z,w");
  EXPECT_EQ(native::ListBox(hwnd).Items(), (std::vector<std::string>{"x", "y", "z", "w"}));
  items.Clear();
  EXPECT_EQ(native::ListBox(hwnd).Count(), 0);
}

TEST_F(ListBoxPeerTest, ReplacingTheSelectedItemKeepsItSelected) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->Items().SetCommaText("a,b,c");
  form->Show();
  list->SetItemIndex(1);
  EXPECT_EQ(native::ListBox(Hwnd(*list)).Selection(), 1);
  list->Items().Put(1, "B");
  EXPECT_EQ(native::ListBox(Hwnd(*list)).Selection(), 1);
}

TEST_F(ListBoxPeerTest, ItemHeightIsApplied) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->SetItemHeight(13);
  list->Items().Add("a");
  form->Show();
  EXPECT_EQ(native::ListBox(Hwnd(*list)).ItemHeight(), 13);
  list->SetItemHeight(20);
  EXPECT_EQ(native::ListBox(Hwnd(*list)).ItemHeight(), 20);
}

TEST_F(ListBoxPeerTest, HiddenListBoxStaysHiddenWhenTheFormShows) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->SetVisible(false);
  form->Show();
  HWND hwnd = Hwnd(*list);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  list->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(hwnd));
}

}  // namespace

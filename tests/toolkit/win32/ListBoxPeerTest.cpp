#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using ListBoxPeerTest = Win32App;

std::vector<std::string> NativeItems(HWND hwnd) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)),
        L'\0');
    std::vector<wchar_t> buffer(text.size() + 1);
    SendMessageW(hwnd, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
    items.push_back(tk::win32::Narrow(buffer.data()));
  }
  return items;
}

TEST_F(ListBoxPeerTest, ShowsTheItemsItHadBeforeItWasShown) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->Items().Add("vlc\\plugins");
  list->Items().Add("vlc\\locale\\pl");
  form->Show();
  HWND hwnd = Hwnd(*list);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), L"ListBox"), 0);
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"vlc\\plugins", "vlc\\locale\\pl"}));
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
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"a", "b", "c"}));
  items.Put(0, "\xC5\xBC\xC3\xB3\xC5\x82w");
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"\xC5\xBC\xC3\xB3\xC5\x82w", "b", "c"}));
  items.Delete(1);
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"\xC5\xBC\xC3\xB3\xC5\x82w", "c"}));
  items.SetCommaText("x,y,z,w");
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"x", "y", "z", "w"}));
  items.Clear();
  EXPECT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxPeerTest, ReplacingTheSelectedItemKeepsItSelected) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->Items().SetCommaText("a,b,c");
  form->Show();
  list->SetItemIndex(1);
  EXPECT_EQ(SendMessageW(Hwnd(*list), LB_GETCURSEL, 0, 0), 1);
  list->Items().Put(1, "B");
  EXPECT_EQ(SendMessageW(Hwnd(*list), LB_GETCURSEL, 0, 0), 1);
}

TEST_F(ListBoxPeerTest, ItemHeightIsApplied) {
  auto form = NewForm();
  auto* list = NewChild<TListBox>(*form, 40, 96, 289, 39);
  list->SetItemHeight(13);
  list->Items().Add("a");
  form->Show();
  EXPECT_EQ(SendMessageW(Hwnd(*list), LB_GETITEMHEIGHT, 0, 0), 13);
  list->SetItemHeight(20);
  EXPECT_EQ(SendMessageW(Hwnd(*list), LB_GETITEMHEIGHT, 0, 0), 20);
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

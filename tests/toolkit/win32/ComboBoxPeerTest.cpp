#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/StringList.h"

using namespace tk;

namespace {

using ComboBoxPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

TEST_F(ComboBoxPeerTest, ShowsItsItemsSelectionAndText) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("Deutsch,English");
  combo->Items().Add(kPath);
  combo->SetItemIndex(2);
  form->Show();
  HWND hwnd = Hwnd(*combo);
  EXPECT_TRUE(OfClass(hwnd, L"ComboBox"));
  EXPECT_EQ(native::ComboBox(hwnd).Items(),
            (std::vector<std::string>{"Deutsch", "English", kPath}));
  EXPECT_EQ(native::ComboBox(hwnd).Selection(), 2);
  EXPECT_EQ(native::Window(hwnd).Text(), kPath);
}

TEST_F(ComboBoxPeerTest, FollowsEachChangeOfItsItems) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*combo);
  TStrings& items = combo->Items();
  items.Put(1, kPath);
  EXPECT_EQ(native::ComboBox(hwnd).Items(), (std::vector<std::string>{"a", kPath, "c"}));
  items.Insert(0, "first");
  EXPECT_EQ(native::ComboBox(hwnd).Items(), (std::vector<std::string>{"first", "a", kPath, "c"}));
  items.Delete(2);
  EXPECT_EQ(native::ComboBox(hwnd).Items(), (std::vector<std::string>{"first", "a", "c"}));
  items.Clear();
  EXPECT_EQ(native::ComboBox(hwnd).Count(), 0);
}

TEST_F(ComboBoxPeerTest, ItemIndexSetBackAfterTheItemsAreRewrittenSelectsTheNewText) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("Deutsch,Englisch,Polnisch");
  combo->SetItemIndex(1);
  form->Show();
  const std::int32_t index = combo->ItemIndex();
  combo->Items().Put(0, "German");
  combo->Items().Put(1, "English");
  combo->Items().Put(2, "Polish");
  combo->SetItemIndex(index);
  HWND hwnd = Hwnd(*combo);
  EXPECT_EQ(native::ComboBox(hwnd).Items(),
            (std::vector<std::string>{"German", "English", "Polish"}));
  EXPECT_EQ(native::ComboBox(hwnd).Selection(), 1);
  EXPECT_EQ(native::Window(hwnd).Text(), "English");
}

TEST_F(ComboBoxPeerTest, ReplacingTheSelectedItemLosesTheSelectionButKeepsTheText) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("a,b");
  combo->SetItemIndex(1);
  form->Show();
  combo->Items().Put(1, "B");
  HWND hwnd = Hwnd(*combo);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(native::ComboBox(hwnd).Selection(), CB_ERR);
  EXPECT_EQ(native::Window(hwnd).Text(), "b");
}

TEST_F(ComboBoxPeerTest, InsertingBeforeTheSelectionKeepsTheSelectedItem) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("a,b");
  combo->SetItemIndex(1);
  form->Show();
  combo->Items().Insert(0, "new");
  EXPECT_EQ(native::ComboBox(Hwnd(*combo)).Selection(), 2);
  EXPECT_EQ(native::Window(Hwnd(*combo)).Text(), "b");
}

TEST_F(ComboBoxPeerTest, TheUsersChoiceAndTypingReachTheControl) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*combo);
  native::ComboBox(hwnd).Select(2);
  NotifyParent(Hwnd(*combo), CBN_SELCHANGE);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "c");
  HWND edit = FindWindowExW(hwnd, nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  native::Window(edit).SetText(kPath);
  NotifyParent(Hwnd(*combo), CBN_EDITCHANGE);
  EXPECT_EQ(combo->Text(), kPath);
}

TEST_F(ComboBoxPeerTest, StyleChoosesTheNativeStyle) {
  auto form = NewForm();
  auto* list = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  list->SetStyle(csDropDownList);
  auto* simple = NewChild<TComboBox>(*form, 40, 80, 200, 80);
  simple->SetStyle(csSimple);
  form->Show();
  EXPECT_EQ(GetWindowLongPtrW(Hwnd(*list), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(GetWindowLongPtrW(Hwnd(*simple), GWL_STYLE) & 3, CBS_SIMPLE);
}

TEST_F(ComboBoxPeerTest, DataAndFilterComboBoxesAreNativeComboBoxes) {
  auto form = NewForm();
  auto* data = NewChild<TDBComboBox>(*form, 40, 40, 200, 21);
  data->Items().SetCommaText("x,y");
  auto* filter = NewChild<TFilterComboBox>(*form, 40, 80, 200, 21);
  filter->SetFilter("Text|*.txt|All|*.*");
  form->Show();
  EXPECT_EQ(native::ComboBox(Hwnd(*data)).Items(), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(native::ComboBox(Hwnd(*filter)).Items(), (std::vector<std::string>{"Text", "All"}));
}

}  // namespace

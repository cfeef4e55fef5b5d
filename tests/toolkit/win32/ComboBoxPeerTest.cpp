#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using ComboBoxPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

std::vector<std::string> NativeItems(HWND combo) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(buffer.data()));
    items.push_back(tk::win32::Narrow(buffer.data()));
  }
  return items;
}

LRESULT Selected(HWND combo) {
  return SendMessageW(combo, CB_GETCURSEL, 0, 0);
}

// What the user's choice tells the combo box's parent.
void Notify(const TControl& control, WORD code) {
  HWND hwnd = Hwnd(control);
  SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code),
               reinterpret_cast<LPARAM>(hwnd));
}

TEST_F(ComboBoxPeerTest, ShowsItsItemsSelectionAndText) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("Deutsch,English");
  combo->Items().Add(kPath);
  combo->SetItemIndex(2);
  form->Show();
  HWND hwnd = Hwnd(*combo);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), L"ComboBox"), 0);
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"Deutsch", "English", kPath}));
  EXPECT_EQ(Selected(hwnd), 2);
  EXPECT_EQ(WindowText(hwnd), kPath);
}

TEST_F(ComboBoxPeerTest, FollowsEachChangeOfItsItems) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*combo);
  TStrings& items = combo->Items();
  items.Put(1, kPath);
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"a", kPath, "c"}));
  items.Insert(0, "first");
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"first", "a", kPath, "c"}));
  items.Delete(2);
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"first", "a", "c"}));
  items.Clear();
  EXPECT_EQ(SendMessageW(hwnd, CB_GETCOUNT, 0, 0), 0);
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
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"German", "English", "Polish"}));
  EXPECT_EQ(Selected(hwnd), 1);
  EXPECT_EQ(WindowText(hwnd), "English");
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
  EXPECT_EQ(Selected(hwnd), CB_ERR);
  EXPECT_EQ(WindowText(hwnd), "b");
}

TEST_F(ComboBoxPeerTest, InsertingBeforeTheSelectionKeepsTheSelectedItem) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("a,b");
  combo->SetItemIndex(1);
  form->Show();
  combo->Items().Insert(0, "new");
  EXPECT_EQ(Selected(Hwnd(*combo)), 2);
  EXPECT_EQ(WindowText(Hwnd(*combo)), "b");
}

TEST_F(ComboBoxPeerTest, TheUsersChoiceAndTypingReachTheControl) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBox>(*form, 40, 40, 200, 21);
  combo->Items().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*combo);
  SendMessageW(hwnd, CB_SETCURSEL, 2, 0);
  Notify(*combo, CBN_SELCHANGE);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "c");
  HWND edit = FindWindowExW(hwnd, nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, tk::win32::Widen(kPath).c_str());
  Notify(*combo, CBN_EDITCHANGE);
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
  EXPECT_EQ(NativeItems(Hwnd(*data)), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(NativeItems(Hwnd(*filter)), (std::vector<std::string>{"Text", "All"}));
}

}  // namespace

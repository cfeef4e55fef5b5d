#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/win32/native/StringList.h"

using namespace tk;

namespace {

using ComboBoxExPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

std::string EditText(HWND combo) {
  return native::Window(native::ComboBoxEx(combo).EditControl()).Text();
}

void AddItems(TComboBoxEx& combo, const std::vector<std::string>& captions) {
  for (const std::string& caption : captions) combo.ItemsEx().Add()->SetCaption(caption);
}

TEST_F(ComboBoxExPeerTest, ShowsTheItemsCaptionsSelectionAndText) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBoxEx>(*form, 40, 40, 200, 21);
  AddItems(*combo, {"Deutsch", kPath});
  combo->SetItemIndex(1);
  form->Show();
  HWND hwnd = Hwnd(*combo);
  EXPECT_TRUE(OfClass(hwnd, WC_COMBOBOXEXW));
  EXPECT_EQ(native::ComboBoxEx(hwnd).Items(), (std::vector<std::string>{"Deutsch", kPath}));
  EXPECT_EQ(native::ComboBox(hwnd).Selection(), 1);
  EXPECT_EQ(EditText(hwnd), kPath);
}

TEST_F(ComboBoxExPeerTest, FollowsTheItemsAndTheText) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBoxEx>(*form, 40, 40, 200, 21);
  AddItems(*combo, {"a", "b"});
  form->Show();
  HWND hwnd = Hwnd(*combo);
  combo->ItemsEx()[1]->SetCaption(kPath);
  combo->ItemsEx().Insert(0)->SetCaption("0");
  EXPECT_EQ(native::ComboBoxEx(hwnd).Items(), (std::vector<std::string>{"0", "a", kPath}));
  combo->ItemsEx().Delete(1);
  EXPECT_EQ(native::ComboBoxEx(hwnd).Items(), (std::vector<std::string>{"0", kPath}));
  combo->SetText("typed");
  EXPECT_EQ(EditText(hwnd), "typed");
  combo->ItemsEx().Clear();
  EXPECT_TRUE(native::ComboBoxEx(hwnd).Items().empty());
  EXPECT_EQ(EditText(hwnd), "typed");
}

TEST_F(ComboBoxExPeerTest, ItemIndexSetBackAfterTheCaptionsAreRewritten) {
  auto form = NewForm();
  auto* combo = NewChild<TComboBoxEx>(*form, 40, 40, 200, 21);
  AddItems(*combo, {"Eins", "Zwei"});
  combo->SetItemIndex(1);
  form->Show();
  const std::int32_t index = combo->ItemIndex();
  combo->SetText("Choose");
  combo->ItemsEx()[0]->SetCaption("One");
  combo->ItemsEx()[1]->SetCaption("Two");
  combo->SetItemIndex(index);
  HWND hwnd = Hwnd(*combo);
  EXPECT_EQ(native::ComboBoxEx(hwnd).Items(), (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(native::ComboBox(hwnd).Selection(), 1);
  EXPECT_EQ(EditText(hwnd), "Two");
}

}  // namespace

#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"

using namespace tk;

namespace {

using ComboBoxExPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

std::vector<std::string> NativeItems(HWND combo) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = i;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    items.push_back(tk::win32::Narrow(text));
  }
  return items;
}

std::string EditText(HWND combo) {
  return WindowText(reinterpret_cast<HWND>(SendMessageW(combo, CBEM_GETEDITCONTROL, 0, 0)));
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
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), WC_COMBOBOXEXW), 0);
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"Deutsch", kPath}));
  EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), 1);
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
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"0", "a", kPath}));
  combo->ItemsEx().Delete(1);
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"0", kPath}));
  combo->SetText("typed");
  EXPECT_EQ(EditText(hwnd), "typed");
  combo->ItemsEx().Clear();
  EXPECT_TRUE(NativeItems(hwnd).empty());
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
  EXPECT_EQ(NativeItems(hwnd), (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(EditText(hwnd), "Two");
}

}  // namespace

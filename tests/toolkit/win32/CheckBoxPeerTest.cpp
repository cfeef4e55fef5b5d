#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using CheckBoxPeerTest = Win32App;

TEST_F(CheckBoxPeerTest, CheckBoxWithItsCaptionAndMark) {
  auto form = NewForm();
  auto* box = NewChild<TCheckBox>(*form, 40, 40, 200, 17);
  box->SetCaption(
      "Usu\xC5\x84 "
      "katalog");
  box->SetChecked(true);
  form->Show();
  HWND hwnd = Hwnd(*box);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), L"Button"), 0);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);
  EXPECT_EQ(WindowText(hwnd),
            "Usu\xC5\x84 "
            "katalog");
  EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  box->SetChecked(false);
  EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(CheckBoxPeerTest, ClickTogglesTheControlAndTheMarkFollows) {
  auto form = NewForm();
  auto* box = NewChild<TCheckBox>(*form, 40, 40, 200, 17);
  int clicks = 0;
  box->OnClick.Set([&](TObject*) { ++clicks; });
  form->Show();
  SendMessageW(Hwnd(*box), BM_CLICK, 0, 0);
  DrainMessages();
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(SendMessageW(Hwnd(*box), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(clicks, 1);
}

}  // namespace

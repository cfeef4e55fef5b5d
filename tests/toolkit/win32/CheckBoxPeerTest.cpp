#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

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
  EXPECT_TRUE(OfClass(hwnd, L"Button"));
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);
  EXPECT_EQ(native::Window(hwnd).Text(),
            "Usu\xC5\x84 "
            "katalog");
  EXPECT_TRUE(native::Button(hwnd).Checked());
  box->SetChecked(false);
  EXPECT_FALSE(native::Button(hwnd).Checked());
}

TEST_F(CheckBoxPeerTest, ClickTogglesTheControlAndTheMarkFollows) {
  auto form = NewForm();
  auto* box = NewChild<TCheckBox>(*form, 40, 40, 200, 17);
  int clicks = 0;
  box->OnClick.Set([&](TObject*) { ++clicks; });
  form->Show();
  native::Button(Hwnd(*box)).Click();
  DrainMessages();
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(native::Button(Hwnd(*box)).Checked());
  EXPECT_EQ(clicks, 1);
}

}  // namespace

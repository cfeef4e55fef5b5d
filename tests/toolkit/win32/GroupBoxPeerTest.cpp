#include "tests/support/win32/Pixels.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;

namespace {

using GroupBoxPeerTest = Win32App;

TEST_F(GroupBoxPeerTest, GroupBoxFrameWithItsCaption) {
  auto form = NewForm();
  auto* box = NewChild<TGroupBox>(*form, 20, 20, 300, 150);
  box->SetCaption(
      "\xC5\x9A"
      "cie\xC5\xBCka");
  form->Show();
  HWND hwnd = Hwnd(*box);
  EXPECT_TRUE(OfClass(hwnd, L"Button"));
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(native::Window(hwnd).Text(),
            "\xC5\x9A"
            "cie\xC5\xBCka");
  box->SetCaption("Path");
  EXPECT_EQ(native::Window(hwnd).Text(), "Path");
}

TEST_F(GroupBoxPeerTest, ControlsInsideAreItsChildWindowsAndTheirClicksArrive) {
  auto form = NewForm();
  auto* box = NewChild<TGroupBox>(*form, 20, 20, 300, 150);
  auto* button = new TButton(form.get());
  button->SetParent(box);
  button->SetBounds(10, 20, 75, 25);
  int clicks = 0;
  button->OnClick.Set([&](TObject*) { ++clicks; });
  form->Show();
  EXPECT_EQ(GetParent(Hwnd(*button)), Hwnd(*box));
  native::Button(Hwnd(*button)).Click();
  DrainMessages();
  EXPECT_EQ(clicks, 1);
}

TEST_F(GroupBoxPeerTest, InsideIsPaintedInTheColourOfTheFormBelow) {
  auto form = NewForm();
  form->SetColor(0x3366CC);
  auto* box = NewChild<TGroupBox>(*form, 20, 20, 200, 100);
  form->Show();
  HWND hwnd = Hwnd(*box);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(testsupport::WindowPixel(hwnd, 100, 50), static_cast<COLORREF>(0x3366CC));
}

}  // namespace

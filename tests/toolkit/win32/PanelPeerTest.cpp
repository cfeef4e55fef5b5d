#include "tests/support/win32/Pixels.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;

namespace {

using PanelPeerTest = Win32App;

TEST_F(PanelPeerTest, PanelWindowWithItsCaption) {
  auto form = NewForm();
  auto* panel = NewChild<TPanel>(*form, 20, 20, 300, 60);
  panel->SetCaption(
      "\xC5\x9A"
      "cie\xC5\xBCka");
  form->Show();
  HWND hwnd = Hwnd(*panel);
  EXPECT_EQ(native::Window(hwnd).ClassName(), "TkPanel");
  EXPECT_EQ(native::Window(hwnd).Text(),
            "\xC5\x9A"
            "cie\xC5\xBCka");
  panel->SetCaption("Panel");
  EXPECT_EQ(native::Window(hwnd).Text(), "Panel");
  const RECT r = ChildRect(hwnd);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.right - r.left, 300);
}

TEST_F(PanelPeerTest, AControlOnThePanelHearsItsClicks) {
  auto form = NewForm();
  auto* panel = NewChild<TPanel>(*form, 20, 20, 300, 60);
  auto* box = new TCheckBox(form.get());
  box->SetParent(panel);
  box->SetBounds(8, 8, 120, 17);
  form->Show();
  EXPECT_EQ(GetParent(Hwnd(*box)), Hwnd(*panel));
  native::Button(Hwnd(*box)).Click();
  DrainMessages();
  EXPECT_TRUE(box->Checked());
}

TEST_F(PanelPeerTest, PanelIsPaintedInItsColour) {
  auto form = NewForm();
  auto* panel = NewChild<TPanel>(*form, 20, 20, 100, 60);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(0x3366CC);
  form->Show();
  HWND hwnd = Hwnd(*panel);
  UpdateWindow(GetParent(hwnd));
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(testsupport::WindowPixel(hwnd, 50, 5), static_cast<COLORREF>(0x3366CC));
}

}  // namespace

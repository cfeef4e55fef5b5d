#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

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
  EXPECT_EQ(ClassNameOf(hwnd), L"TkPanel");
  EXPECT_EQ(WindowText(hwnd),
            "\xC5\x9A"
            "cie\xC5\xBCka");
  panel->SetCaption("Panel");
  EXPECT_EQ(WindowText(hwnd), "Panel");
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
  SendMessageW(Hwnd(*box), BM_CLICK, 0, 0);
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
  HDC dc = GetDC(hwnd);
  const COLORREF pixel = GetPixel(dc, 50, 5);
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(pixel, static_cast<COLORREF>(0x3366CC));
}

}  // namespace

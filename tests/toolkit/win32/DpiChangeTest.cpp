// A window told that its resolution changed (WM_DPICHANGED, as Windows sends it when the window
// reaches a monitor of another scale) lays itself out again from the stored 96-dpi values.
#include "tests/support/win32/Pixels.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/DpiScale.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/Dpi.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;
using testsupport::PixelOf;

namespace {

using DpiChangeTest = Win32App;

struct Shown {
  RECT window, client, button;
  LONG fontHeight;
  BITMAP logo;
};

Shown Read(HWND form, HWND button, HWND image) {
  Shown s{};
  GetWindowRect(form, &s.window);
  GetClientRect(form, &s.client);
  s.button = ChildRect(button);
  LOGFONTW lf{};
  GetObjectW(native::Window(button).Font(), sizeof lf, &lf);
  s.fontHeight = lf.lfHeight;
  GetObjectW(native::StaticImage(image).Bitmap(), sizeof s.logo, &s.logo);
  return s;
}

// Each step starts from the one before, so a value scaled twice would show; the last step goes
// back to 96 dpi, where every value must be the stored one again.
TEST_F(DpiChangeTest, EveryStepLaysTheWindowOutFromTheStoredValues) {
  auto form = NewForm(375, 231);
  form->Font().SetHeight(-11);
  auto* button = NewChild<TButton>(*form, 48, 160, 75, 25);
  auto* image = NewChild<TImage>(*form, 245, 8, 124, 41);
  image->SetPicture("LOGO");  // 12 x 8: a magenta border around red
  image->SetTransparent(true);
  form->Show();
  HWND hwnd = Hwnd(*form);
  for (const int dpi : {144, 120, 192, 96}) {
    const RECT suggested{100 + dpi, 50, 100 + dpi + 800, 50 + 600};
    SendMessageW(hwnd, native::kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const Shown s = Read(hwnd, Hwnd(*button), Hwnd(*image));
    EXPECT_EQ(s.window.left, suggested.left) << dpi;
    EXPECT_EQ(s.window.top, suggested.top) << dpi;
    EXPECT_EQ(s.client.right, ScaleToDpi(375, dpi)) << dpi;
    EXPECT_EQ(s.client.bottom, ScaleToDpi(231, dpi)) << dpi;
    const TRect button96{48, 160, 123, 185};
    EXPECT_EQ((TRect{s.button.left, s.button.top, s.button.right, s.button.bottom}),
              ScaleToDpi(button96, dpi))
        << dpi;
    EXPECT_EQ(s.fontHeight, ScaleToDpi(button->Font().Height(), dpi)) << dpi;
    EXPECT_EQ(s.logo.bmWidth, ScaleToDpi(12, dpi)) << dpi;
    EXPECT_EQ(s.logo.bmHeight, ScaleToDpi(8, dpi)) << dpi;
    // Still transparent: the corner takes the form's white, the middle stays red.
    HBITMAP logo = native::StaticImage(Hwnd(*image)).Bitmap();
    EXPECT_EQ(PixelOf(logo, 0, s.logo.bmHeight - 1), RGB(255, 255, 255)) << dpi;
    EXPECT_EQ(PixelOf(logo, s.logo.bmWidth / 2, s.logo.bmHeight / 2), RGB(255, 0, 0)) << dpi;
  }
  // The model keeps the stored values, and the window's new corner: placed again, the window
  // stays where the last change put it.
  EXPECT_EQ(button->Left(), 48);
  EXPECT_EQ(button->Width(), 75);
  EXPECT_EQ(form->ClientWidth(), 375);
  EXPECT_EQ(form->Left(), 100 + 96);
  form->SetClientHeight(240);
  RECT window{};
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.left, 100 + 96);
  EXPECT_EQ(window.top, 50);
}

}  // namespace

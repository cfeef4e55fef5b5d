#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"

using namespace tk;

namespace {

using StatusBarPeerTest = Win32App;

// A simple bar answers its simple text for part 0.
std::string SimpleText(HWND bar) {
  wchar_t text[256] = {};
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return tk::win32::Narrow(text);
}

// The bar's background colour: setting one answers the one before.
COLORREF BackgroundOf(HWND bar) {
  const auto color = static_cast<COLORREF>(SendMessageW(bar, SB_SETBKCOLOR, 0, CLR_DEFAULT));
  SendMessageW(bar, SB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
  return color;
}

TEST_F(StatusBarPeerTest, SimpleBarShowsItsSimpleText) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  bar->SetSimplePanel(true);
  form->Show();
  HWND hwnd = Hwnd(*bar);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), STATUSCLASSNAMEW), 0);
  EXPECT_NE(SendMessageW(hwnd, SB_ISSIMPLE, 0, 0), 0);
  EXPECT_EQ(SimpleText(hwnd), "");
  bar->SetSimpleText("L\xC3\xB6schen: C:\\Programme");
  EXPECT_EQ(SimpleText(hwnd), "L\xC3\xB6schen: C:\\Programme");
}

TEST_F(StatusBarPeerTest, KeepsItsOwnBounds) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  form->Show();
  const RECT r = ChildRect(Hwnd(*bar));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 212);
  EXPECT_EQ(r.right - r.left, 375);
  EXPECT_EQ(r.bottom - r.top, 19);
}

TEST_F(StatusBarPeerTest, SimpleModeFollowsSimplePanel) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  form->Show();
  HWND hwnd = Hwnd(*bar);
  EXPECT_EQ(SendMessageW(hwnd, SB_ISSIMPLE, 0, 0), 0);
  bar->SetSimplePanel(true);
  EXPECT_NE(SendMessageW(hwnd, SB_ISSIMPLE, 0, 0), 0);
}

TEST_F(StatusBarPeerTest, BackgroundColourComesFromColor) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  bar->SetColor(clWhite);
  form->Show();
  EXPECT_EQ(BackgroundOf(Hwnd(*bar)), RGB(255, 255, 255));
  bar->SetColor(0x123456);
  EXPECT_EQ(BackgroundOf(Hwnd(*bar)), static_cast<COLORREF>(0x123456));
}

}  // namespace

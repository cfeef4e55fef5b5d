#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/win32/native/StatusBar.h"

using namespace tk;

namespace {

using StatusBarPeerTest = Win32App;

// The bar's background colour: setting one answers the one before.
COLORREF BackgroundOf(HWND hwnd) {
  const native::StatusBar bar(hwnd);
  const COLORREF color = bar.SetBackground(CLR_DEFAULT);
  bar.SetBackground(color);
  return color;
}

void AddPanel(TStatusBar& bar, const std::string& text, int width) {
  TStatusPanel* panel = bar.Panels().Add();
  panel->SetText(text);
  panel->SetWidth(width);
}

TEST_F(StatusBarPeerTest, SimpleBarShowsItsSimpleText) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  bar->SetSimplePanel(true);
  form->Show();
  HWND hwnd = Hwnd(*bar);
  EXPECT_TRUE(OfClass(hwnd, STATUSCLASSNAMEW));
  EXPECT_TRUE(native::StatusBar(hwnd).Simple());
  EXPECT_EQ(native::StatusBar(hwnd).PartText(0), "");
  bar->SetSimpleText("L\xC3\xB6schen: C:\\Programme");
  EXPECT_EQ(native::StatusBar(hwnd).PartText(0), "L\xC3\xB6schen: C:\\Programme");
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
  EXPECT_FALSE(native::StatusBar(hwnd).Simple());
  bar->SetSimplePanel(true);
  EXPECT_TRUE(native::StatusBar(hwnd).Simple());
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

TEST_F(StatusBarPeerTest, OnePartPerPanelWithItsText) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  AddPanel(*bar, "Bereit", 100);
  AddPanel(*bar,
           "\xC5\x9A"
           "cie\xC5\xBCka",
           150);
  AddPanel(*bar, "3", 50);
  form->Show();
  HWND hwnd = Hwnd(*bar);
  EXPECT_FALSE(native::StatusBar(hwnd).Simple());
  EXPECT_EQ(native::StatusBar(hwnd).PartTexts(), (std::vector<std::string>{"Bereit",
                                                                           "\xC5\x9A"
                                                                           "cie\xC5\xBCka",
                                                                           "3"}));
  // The last part reaches the right edge.
  EXPECT_EQ(native::StatusBar(hwnd).PartEdges(), (std::vector<int>{100, 250, -1}));
}

TEST_F(StatusBarPeerTest, FollowsEachChangeOfThePanels) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  AddPanel(*bar, "a", 100);
  AddPanel(*bar, "b", 100);
  form->Show();
  HWND hwnd = Hwnd(*bar);
  bar->Panels()[1]->SetText("B");
  EXPECT_EQ(native::StatusBar(hwnd).PartTexts(), (std::vector<std::string>{"a", "B"}));
  bar->Panels().Insert(0)->SetText("0");
  EXPECT_EQ(native::StatusBar(hwnd).PartTexts(), (std::vector<std::string>{"0", "a", "B"}));
  bar->Panels()[0]->SetWidth(30);
  EXPECT_EQ(native::StatusBar(hwnd).PartEdges(), (std::vector<int>{30, 130, -1}));
  bar->Panels().Delete(1);
  EXPECT_EQ(native::StatusBar(hwnd).PartTexts(), (std::vector<std::string>{"0", "B"}));
  bar->Panels().Clear();
  EXPECT_EQ(native::StatusBar(hwnd).PartTexts(), (std::vector<std::string>{""}));
}

TEST_F(StatusBarPeerTest, SimpleModeHidesThePanelsAndLeavingItShowsThemAgain) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  AddPanel(*bar, "a", 100);
  bar->SetSimplePanel(true);
  bar->SetSimpleText("L\xC3\xB6schen");
  form->Show();
  HWND hwnd = Hwnd(*bar);
  EXPECT_TRUE(native::StatusBar(hwnd).Simple());
  EXPECT_EQ(native::StatusBar(hwnd).PartText(0), "L\xC3\xB6schen");
  // Panels changed meanwhile show once simple mode ends.
  AddPanel(*bar, "b", 100);
  bar->SetSimplePanel(false);
  EXPECT_FALSE(native::StatusBar(hwnd).Simple());
  EXPECT_EQ(native::StatusBar(hwnd).PartTexts(), (std::vector<std::string>{"a", "b"}));
}

}  // namespace

#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

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

std::vector<std::string> PartTexts(HWND bar) {
  std::vector<std::string> texts;
  const auto parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
  for (int i = 0; i < parts; ++i) {
    wchar_t text[256] = {};
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    texts.push_back(tk::win32::Narrow(text));
  }
  return texts;
}

std::vector<int> PartEdges(HWND bar) {
  std::vector<int> edges(static_cast<std::size_t>(SendMessageW(bar, SB_GETPARTS, 0, 0)));
  SendMessageW(bar, SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  return edges;
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
  EXPECT_EQ(SendMessageW(hwnd, SB_ISSIMPLE, 0, 0), 0);
  EXPECT_EQ(PartTexts(hwnd), (std::vector<std::string>{"Bereit",
                                                       "\xC5\x9A"
                                                       "cie\xC5\xBCka",
                                                       "3"}));
  // The last part reaches the right edge.
  EXPECT_EQ(PartEdges(hwnd), (std::vector<int>{100, 250, -1}));
}

TEST_F(StatusBarPeerTest, FollowsEachChangeOfThePanels) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  AddPanel(*bar, "a", 100);
  AddPanel(*bar, "b", 100);
  form->Show();
  HWND hwnd = Hwnd(*bar);
  bar->Panels()[1]->SetText("B");
  EXPECT_EQ(PartTexts(hwnd), (std::vector<std::string>{"a", "B"}));
  bar->Panels().Insert(0)->SetText("0");
  EXPECT_EQ(PartTexts(hwnd), (std::vector<std::string>{"0", "a", "B"}));
  bar->Panels()[0]->SetWidth(30);
  EXPECT_EQ(PartEdges(hwnd), (std::vector<int>{30, 130, -1}));
  bar->Panels().Delete(1);
  EXPECT_EQ(PartTexts(hwnd), (std::vector<std::string>{"0", "B"}));
  bar->Panels().Clear();
  EXPECT_EQ(PartTexts(hwnd), (std::vector<std::string>{""}));
}

TEST_F(StatusBarPeerTest, SimpleModeHidesThePanelsAndLeavingItShowsThemAgain) {
  auto form = NewForm();
  auto* bar = NewChild<TStatusBar>(*form, 0, 212, 375, 19);
  AddPanel(*bar, "a", 100);
  bar->SetSimplePanel(true);
  bar->SetSimpleText("L\xC3\xB6schen");
  form->Show();
  HWND hwnd = Hwnd(*bar);
  EXPECT_NE(SendMessageW(hwnd, SB_ISSIMPLE, 0, 0), 0);
  EXPECT_EQ(SimpleText(hwnd), "L\xC3\xB6schen");
  // Panels changed meanwhile show once simple mode ends.
  AddPanel(*bar, "b", 100);
  bar->SetSimplePanel(false);
  EXPECT_EQ(SendMessageW(hwnd, SB_ISSIMPLE, 0, 0), 0);
  EXPECT_EQ(PartTexts(hwnd), (std::vector<std::string>{"a", "b"}));
}

}  // namespace

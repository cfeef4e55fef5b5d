#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Notebooks.h"
#include "toolkit/Tabs.h"
#include "toolkit/win32/native/TabControl.h"

using namespace tk;

namespace {

using TabControlPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

TEST_F(TabControlPeerTest, OneNativeTabPerTabAndTheSelectedOne) {
  auto form = NewForm();
  auto* tabs = NewChild<TTabControl>(*form, 10, 10, 350, 200);
  tabs->Tabs().SetCommaText("Allgemein,Pfade");
  tabs->Tabs().Add(kPath);
  tabs->SetTabIndex(2);
  form->Show();
  HWND hwnd = Hwnd(*tabs);
  EXPECT_TRUE(OfClass(hwnd, WC_TABCONTROLW));
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & TCS_BOTTOM, 0);
  EXPECT_EQ(native::TabControl(hwnd).Texts(),
            (std::vector<std::string>{"Allgemein", "Pfade", kPath}));
  EXPECT_EQ(native::TabControl(hwnd).Selection(), 2);
}

TEST_F(TabControlPeerTest, FollowsEachChangeOfTheTabsAndKeepsTheSelection) {
  auto form = NewForm();
  auto* tabs = NewChild<TTabControl>(*form, 10, 10, 350, 200);
  tabs->Tabs().SetCommaText("a,b,c");
  tabs->SetTabIndex(1);
  form->Show();
  HWND hwnd = Hwnd(*tabs);
  tabs->Tabs().Put(1, kPath);
  EXPECT_EQ(native::TabControl(hwnd).Texts(), (std::vector<std::string>{"a", kPath, "c"}));
  tabs->Tabs().Insert(0, "first");
  EXPECT_EQ(native::TabControl(hwnd).Texts(), (std::vector<std::string>{"first", "a", kPath, "c"}));
  EXPECT_EQ(native::TabControl(hwnd).Selection(), tabs->TabIndex());
  tabs->Tabs().Delete(tabs->TabIndex());
  EXPECT_EQ(native::TabControl(hwnd).Texts(), (std::vector<std::string>{"first", "a", "c"}));
  EXPECT_EQ(native::TabControl(hwnd).Selection(), tabs->TabIndex());
  tabs->Tabs().Clear();
  EXPECT_TRUE(native::TabControl(hwnd).Texts().empty());
}

TEST_F(TabControlPeerTest, TheUsersChoiceSetsTabIndex) {
  auto form = NewForm();
  auto* tabs = NewChild<TTabControl>(*form, 10, 10, 350, 200);
  tabs->Tabs().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*tabs);
  native::TabControl(hwnd).Select(2);
  NMHDR header{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(GetParent(hwnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(tabs->TabIndex(), 2);
}

TEST_F(TabControlPeerTest, TabSetShowsItsTabsAtTheBottom) {
  auto form = NewForm();
  auto* tabs = NewChild<TTabSet>(*form, 10, 180, 350, 21);
  tabs->Tabs().SetCommaText("x,y");
  form->Show();
  HWND hwnd = Hwnd(*tabs);
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_STYLE) & TCS_BOTTOM, 0);
  EXPECT_EQ(native::TabControl(hwnd).Texts(), (std::vector<std::string>{"x", "y"}));
}

TEST_F(TabControlPeerTest, TabbedNotebookShowsItsPagesAsTabs) {
  auto form = NewForm();
  auto* book = NewChild<TTabbedNotebook>(*form, 10, 10, 350, 200);
  book->Pages().SetCommaText("p1,p2");
  form->Show();
  book->Pages().Put(0, kPath);
  EXPECT_EQ(native::TabControl(Hwnd(*book)).Texts(), (std::vector<std::string>{kPath, "p2"}));
}

}  // namespace

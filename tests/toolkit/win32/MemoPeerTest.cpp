#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;

namespace {

using MemoPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

TEST_F(MemoPeerTest, ShowsItsLinesJoinedWithLineBreaks) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  memo->Lines().Add(kPath);
  memo->Lines().Add("C:\\Trelvia");
  form->Show();
  HWND hwnd = Hwnd(*memo);
  EXPECT_TRUE(OfClass(hwnd, L"Edit"));
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE, 0);
  EXPECT_EQ(native::Window(hwnd).Text(), kPath + "\r\nC:\\Trelvia");
}

TEST_F(MemoPeerTest, FollowsEachChangeOfItsLines) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  memo->Lines().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*memo);
  memo->Lines().Put(1, kPath);
  EXPECT_EQ(native::Window(hwnd).Text(), "a\r\n" + kPath + "\r\nc");
  memo->Lines().Insert(0, "0");
  memo->Lines().Delete(3);
  EXPECT_EQ(native::Window(hwnd).Text(), "0\r\na\r\n" + kPath);
  memo->Lines().Clear();
  EXPECT_EQ(native::Window(hwnd).Text(), "");
}

TEST_F(MemoPeerTest, ReadOnlyFollowsTheControl) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  form->Show();
  EXPECT_FALSE(native::Edit(Hwnd(*memo)).ReadOnly());
  memo->SetReadOnly(true);
  EXPECT_TRUE(native::Edit(Hwnd(*memo)).ReadOnly());
}

TEST_F(MemoPeerTest, TypingBecomesTheLinesAndKeepsALineBreakAtTheEnd) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  form->Show();
  HWND hwnd = Hwnd(*memo);
  SetWindowTextW(hwnd, L"one\r\ntwo\r\n");
  NotifyParent(hwnd, EN_CHANGE);
  EXPECT_EQ(memo->Lines().Items(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(native::Window(hwnd).Text(), "one\r\ntwo\r\n");
}

TEST_F(MemoPeerTest, ScrollBarsFollowTheControl) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  memo->SetScrollBars(ssVertical);
  form->Show();
  HWND hwnd = Hwnd(*memo);
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VSCROLL, 0);
  memo->SetScrollBars(ssNone);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VSCROLL, 0);
}

}  // namespace

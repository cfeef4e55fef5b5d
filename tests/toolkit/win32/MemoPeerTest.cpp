#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using MemoPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

void NotifyChange(HWND edit) {
  SendMessageW(GetParent(edit), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(edit)), EN_CHANGE),
               reinterpret_cast<LPARAM>(edit));
}

TEST_F(MemoPeerTest, ShowsItsLinesJoinedWithLineBreaks) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  memo->Lines().Add(kPath);
  memo->Lines().Add("C:\\Trelvia");
  form->Show();
  HWND hwnd = Hwnd(*memo);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), L"Edit"), 0);
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE, 0);
  EXPECT_EQ(WindowText(hwnd), kPath + "\r\nC:\\Trelvia");
}

TEST_F(MemoPeerTest, FollowsEachChangeOfItsLines) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  memo->Lines().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*memo);
  memo->Lines().Put(1, kPath);
  EXPECT_EQ(WindowText(hwnd), "a\r\n" + kPath + "\r\nc");
  memo->Lines().Insert(0, "0");
  memo->Lines().Delete(3);
  EXPECT_EQ(WindowText(hwnd), "0\r\na\r\n" + kPath);
  memo->Lines().Clear();
  EXPECT_EQ(WindowText(hwnd), "");
}

TEST_F(MemoPeerTest, ReadOnlyFollowsTheControl) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  form->Show();
  EXPECT_EQ(GetWindowLongPtrW(Hwnd(*memo), GWL_STYLE) & ES_READONLY, 0);
  memo->SetReadOnly(true);
  EXPECT_NE(GetWindowLongPtrW(Hwnd(*memo), GWL_STYLE) & ES_READONLY, 0);
}

TEST_F(MemoPeerTest, TypingBecomesTheLinesAndKeepsALineBreakAtTheEnd) {
  auto form = NewForm();
  auto* memo = NewChild<TMemo>(*form, 40, 40, 200, 80);
  form->Show();
  HWND hwnd = Hwnd(*memo);
  SetWindowTextW(hwnd, L"one\r\ntwo\r\n");
  NotifyChange(hwnd);
  EXPECT_EQ(memo->Lines().Items(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(WindowText(hwnd), "one\r\ntwo\r\n");
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

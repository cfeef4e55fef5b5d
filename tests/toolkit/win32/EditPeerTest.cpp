#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using EditPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

bool IsReadOnly(HWND edit) {
  return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

TEST_F(EditPeerTest, ShowsItsTextAndFollowsIt) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  edit->SetText(kPath);
  form->Show();
  HWND hwnd = Hwnd(*edit);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(hwnd).c_str(), L"Edit"), 0);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE, 0);
  EXPECT_EQ(WindowText(hwnd), kPath);
  edit->SetText("C:\\Trelvia");
  EXPECT_EQ(WindowText(hwnd), "C:\\Trelvia");
}

TEST_F(EditPeerTest, ReadOnlyFollowsTheControl) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  edit->SetReadOnly(true);
  form->Show();
  EXPECT_TRUE(IsReadOnly(Hwnd(*edit)));
  edit->SetReadOnly(false);
  EXPECT_FALSE(IsReadOnly(Hwnd(*edit)));
}

TEST_F(EditPeerTest, MaxLengthLimitsTheNativeText) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  edit->SetMaxLength(5);
  form->Show();
  EXPECT_EQ(SendMessageW(Hwnd(*edit), EM_GETLIMITTEXT, 0, 0), 5);
}

TEST_F(EditPeerTest, TypingReachesTheControl) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  form->Show();
  HWND hwnd = Hwnd(*edit);
  SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(tk::win32::Widen(kPath).c_str()));
  SendMessageW(GetParent(hwnd), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), EN_CHANGE),
               reinterpret_cast<LPARAM>(hwnd));
  EXPECT_EQ(edit->Text(), kPath);
}

TEST_F(EditPeerTest, LabeledEditShowsItsLabelsCaptionBesideTheEdit) {
  auto form = NewForm();
  auto* edit = NewChild<TLabeledEdit>(*form, 40, 60, 200, 21);
  edit->EditLabel()->SetCaption("Installation:");
  edit->SetText("C:\\Trelvia");
  form->Show();
  HWND label = Hwnd(*edit->EditLabel());
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(lstrcmpiW(ClassNameOf(label).c_str(), L"Static"), 0);
  EXPECT_EQ(WindowText(label), "Installation:");
  EXPECT_EQ(WindowText(Hwnd(*edit)), "C:\\Trelvia");
  edit->EditLabel()->SetCaption(kPath);
  EXPECT_EQ(WindowText(label), kPath);
  EXPECT_EQ(WindowText(Hwnd(*edit)), "C:\\Trelvia");
}

TEST_F(EditPeerTest, LabelWithoutAWidthIsAsWideAsItsTextAndSitsAboveTheEdit) {
  auto form = NewForm();
  auto* edit = NewChild<TLabeledEdit>(*form, 40, 60, 200, 21);
  edit->EditLabel()->SetCaption("Installation directory");
  form->Show();
  const RECT label = ChildRect(Hwnd(*edit->EditLabel()));
  EXPECT_GT(label.right - label.left, 50);
  EXPECT_LE(label.bottom, 60);
  EXPECT_EQ(label.left, 40);
}

TEST_F(EditPeerTest, LabelOnTheLeftEndsBeforeTheEdit) {
  auto form = NewForm();
  auto* edit = NewChild<TLabeledEdit>(*form, 200, 60, 150, 21);
  edit->EditLabel()->SetCaption("Directory");
  edit->SetLabelPosition(lpLeft);
  form->Show();
  const RECT label = ChildRect(Hwnd(*edit->EditLabel()));
  EXPECT_GT(label.right - label.left, 20);
  EXPECT_LE(label.right, 200);
  EXPECT_GT(label.left, 100);
}

}  // namespace

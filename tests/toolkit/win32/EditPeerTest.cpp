#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;

namespace {

using EditPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

TEST_F(EditPeerTest, ShowsItsTextAndFollowsIt) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  edit->SetText(kPath);
  form->Show();
  HWND hwnd = Hwnd(*edit);
  EXPECT_TRUE(OfClass(hwnd, L"Edit"));
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE, 0);
  EXPECT_EQ(native::Window(hwnd).Text(), kPath);
  edit->SetText("C:\\Trelvia");
  EXPECT_EQ(native::Window(hwnd).Text(), "C:\\Trelvia");
}

TEST_F(EditPeerTest, ReadOnlyFollowsTheControl) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  edit->SetReadOnly(true);
  form->Show();
  EXPECT_TRUE(native::Edit(Hwnd(*edit)).ReadOnly());
  edit->SetReadOnly(false);
  EXPECT_FALSE(native::Edit(Hwnd(*edit)).ReadOnly());
}

TEST_F(EditPeerTest, MaxLengthLimitsTheNativeText) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  edit->SetMaxLength(5);
  form->Show();
  EXPECT_EQ(native::Edit(Hwnd(*edit)).Limit(), 5);
}

TEST_F(EditPeerTest, TypingReachesTheControl) {
  auto form = NewForm();
  auto* edit = NewChild<TEdit>(*form, 40, 40, 200, 21);
  form->Show();
  HWND hwnd = Hwnd(*edit);
  native::Window(hwnd).SetText(kPath);
  NotifyParent(hwnd, EN_CHANGE);
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
  EXPECT_TRUE(OfClass(label, L"Static"));
  EXPECT_EQ(native::Window(label).Text(), "Installation:");
  EXPECT_EQ(native::Window(Hwnd(*edit)).Text(), "C:\\Trelvia");
  edit->EditLabel()->SetCaption(kPath);
  EXPECT_EQ(native::Window(label).Text(), kPath);
  EXPECT_EQ(native::Window(Hwnd(*edit)).Text(), "C:\\Trelvia");
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

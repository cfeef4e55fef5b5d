#include "base/Errors.h"
#include "tests/toolkit/win32/DialogAnswerer.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;

namespace {

using ButtonPeerTest = Win32App;

TEST_F(ButtonPeerTest, PushButtonWithItsCaption) {
  auto form = NewForm();
  auto* button = NewChild<TButton>(*form, 48, 160, 75, 25);
  button->SetCaption(
      "\xC5\x9A"
      "cie\xC5\xBCka");
  form->Show();
  HWND hwnd = Hwnd(*button);
  EXPECT_TRUE(OfClass(hwnd, L"Button"));
  EXPECT_EQ(native::Window(hwnd).Text(),
            "\xC5\x9A"
            "cie\xC5\xBCka");
  const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_NE(style & WS_TABSTOP, 0);
  const RECT r = ChildRect(hwnd);
  EXPECT_EQ(r.left, 48);
  EXPECT_EQ(r.top, 160);
  EXPECT_EQ(r.right - r.left, 75);
  EXPECT_EQ(r.bottom - r.top, 25);
}

TEST_F(ButtonPeerTest, ClickRunsOnClick) {
  auto form = NewForm();
  auto* button = NewChild<TButton>(*form, 48, 160, 75, 25);
  int clicks = 0;
  button->OnClick.Set([&](TObject* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  });
  form->Show();
  native::Button(Hwnd(*button)).Click();
  DrainMessages();
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonPeerTest, DisabledButtonIsDisabled) {
  auto form = NewForm();
  auto* button = NewChild<TButton>(*form, 48, 160, 75, 25);
  form->Show();
  button->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Hwnd(*button)));
  button->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(*button)));
}

TEST_F(ButtonPeerTest, ErrorInAClickHandlerReachesTheErrorBoxAndTheLoopGoesOn) {
  auto form = NewForm();
  auto* fails = NewChild<TButton>(*form, 48, 160, 75, 25);
  fails->OnClick.Set([](TObject*) { throw base::Exception("Cannot create c:\\temp"); });
  Application().SetMainForm(form.get());
  form->Show();
  HWND button = Hwnd(*fails);
  HWND formWindow = Hwnd(*form);
  // The helper presses the button, answers the error box, then closes the form; the loop
  // runs all along.
  DialogAnswerer answerer("toolkit_win32_tests", "OK",
                          [button] { PostMessageW(button, BM_CLICK, 0, 0); });
  std::thread closer([&answerer, formWindow] {
    answerer.Seen();
    PostMessageW(formWindow, WM_CLOSE, 0, 0);
  });
  backend.Run();
  closer.join();
  const SeenDialog& seen = answerer.Seen();
  ASSERT_TRUE(seen.found);
  ASSERT_EQ(seen.statics.size(), 1u);
  EXPECT_EQ(seen.statics[0], "Cannot create c:\\temp.");
  EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_TRUE(Application().Terminated());
}

TEST_F(ButtonPeerTest, TabOrderDecidesTheOrderOfTheWindows) {
  auto form = NewForm();
  auto* second = NewChild<TButton>(*form, 10, 10, 75, 25);
  auto* first = NewChild<TButton>(*form, 100, 10, 75, 25);
  second->SetTabOrder(1);
  first->SetTabOrder(0);
  form->Show();
  HWND formWindow = Hwnd(*form);
  EXPECT_EQ(GetNextDlgTabItem(formWindow, nullptr, FALSE), Hwnd(*first));
  EXPECT_EQ(GetNextDlgTabItem(formWindow, Hwnd(*first), FALSE), Hwnd(*second));
  // Changed while shown.
  second->SetTabOrder(0);
  first->SetTabOrder(1);
  EXPECT_EQ(GetNextDlgTabItem(formWindow, nullptr, FALSE), Hwnd(*second));
}

TEST_F(ButtonPeerTest, TabKeyMovesTheFocusThroughTheMessageLoop) {
  auto form = NewForm();
  auto* first = NewChild<TButton>(*form, 10, 10, 75, 25);
  auto* second = NewChild<TButton>(*form, 100, 10, 75, 25);
  first->SetTabOrder(0);
  second->SetTabOrder(1);
  form->Show();
  SetForegroundWindow(Hwnd(*form));
  SetFocus(Hwnd(*first));
  ASSERT_EQ(GetFocus(), Hwnd(*first));
  // Posted to the focused control, as the keyboard would, and taken by the backend's loop.
  PostMessageW(Hwnd(*first), WM_KEYDOWN, VK_TAB, 0);
  PostMessageW(Hwnd(*first), WM_KEYUP, VK_TAB, 0xC0000001);
  backend.ProcessMessages();
  EXPECT_EQ(GetFocus(), Hwnd(*second));
}

TEST_F(ButtonPeerTest, EnterPressesTheFocusedButton) {
  auto form = NewForm();
  auto* button = NewChild<TButton>(*form, 10, 10, 75, 25);
  int clicks = 0;
  button->OnClick.Set([&](TObject*) { ++clicks; });
  form->Show();
  SetForegroundWindow(Hwnd(*form));
  SetFocus(Hwnd(*button));
  PostMessageW(Hwnd(*button), WM_KEYDOWN, VK_RETURN, 0);
  backend.ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

}  // namespace

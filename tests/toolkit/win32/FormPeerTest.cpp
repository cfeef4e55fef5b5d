#include "platform/win32/UniqueHandle.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using FormPeerTest = Win32App;

TEST_F(FormPeerTest, ClientAreaHasTheFormsClientSize) {
  auto form = NewForm(375, 231);
  form->Show();
  HWND hwnd = Hwnd(*form);
  ASSERT_NE(hwnd, nullptr);
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right - client.left, 375);
  EXPECT_EQ(client.bottom - client.top, 231);
  RECT window{};
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.right - window.left, form->Width());
  EXPECT_EQ(window.bottom - window.top, form->Height());
}

TEST_F(FormPeerTest, SingleBorderHasCaptionAndMinimizeBoxButNoSizingFrame) {
  auto form = NewForm();
  form->Show();
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Hwnd(*form), GWL_STYLE));
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_NE(style & WS_SYSMENU, 0u);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0u);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0u);
  EXPECT_EQ(style & WS_THICKFRAME, 0u);
}

TEST_F(FormPeerTest, ChangingTheBorderStyleKeepsTheClientSize) {
  auto form = NewForm(300, 200);
  form->Show();
  form->SetBorderStyle(bsSizeable);
  HWND hwnd = Hwnd(*form);
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_THICKFRAME, 0);
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
}

TEST_F(FormPeerTest, PlacedAtLeftAndTopWithItsCaption) {
  auto form = NewForm();
  form->SetCaption("Trelvia\xC2\xAEplus Deinstaller");
  form->Show();
  HWND hwnd = Hwnd(*form);
  RECT window{};
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.left, 40);
  EXPECT_EQ(window.top, 30);
  EXPECT_EQ(native::Window(hwnd).Text(), "Trelvia\xC2\xAEplus Deinstaller");
  form->SetCaption("Other");
  EXPECT_EQ(native::Window(hwnd).Text(), "Other");
}

TEST_F(FormPeerTest, ScreenCentredFormIsCentredOnThePrimaryScreen) {
  auto form = NewForm();
  form->SetPosition(poScreenCenter);
  form->Show();
  RECT window{};
  GetWindowRect(Hwnd(*form), &window);
  EXPECT_NEAR(window.left + window.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(window.top + window.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
}

TEST_F(FormPeerTest, ShowMakesVisibleAndCloseHides) {
  auto form = NewForm();
  form->Show();
  HWND hwnd = Hwnd(*form);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  form->Close();
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(FormPeerTest, BackgroundIsPaintedInTheFormsColour) {
  auto form = NewForm(100, 80);
  form->SetColor(0x0000FF);  // red
  form->Show();
  HWND hwnd = Hwnd(*form);
  const plat::UniqueBitmap bitmap(CreateCompatibleBitmap(plat::WindowDcOf(hwnd).Get(), 10, 10));
  const plat::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const plat::UniqueSelection selected = plat::SelectInto(dc.Get(), bitmap.Get());
  native::Window(hwnd).Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
  EXPECT_EQ(GetPixel(dc.Get(), 5, 5), RGB(255, 0, 0));
}

TEST_F(FormPeerTest, CloseBoxClosesTheMainFormAndEndsTheLoop) {
  auto form = NewForm();
  bool closed = false;
  form->OnClose.Set([&](TObject*) { closed = true; });
  Application().SetMainForm(form.get());
  form->Show();
  PostMessageW(Hwnd(*form), WM_CLOSE, 0, 0);
  backend.Run();  // returns once the close has ended the loop
  EXPECT_TRUE(closed);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_FALSE(IsWindowVisible(Hwnd(*form)));
}

TEST_F(FormPeerTest, WindowClassCarriesTheApplicationIcon) {
  auto form = NewForm();
  form->Show();
  EXPECT_NE(GetClassLongPtrW(Hwnd(*form), GCLP_HICON), 0u);
}

TEST_F(FormPeerTest, DestroyingTheFormDestroysItsWindows) {
  auto form = NewForm();
  auto* button = NewChild<TButton>(*form, 10, 10, 75, 25);
  form->Show();
  HWND hwnd = Hwnd(*form);
  HWND child = Hwnd(*button);
  form.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(IsWindow(child));
}

}  // namespace

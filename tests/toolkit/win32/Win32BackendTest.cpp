#include "platform/win32/UniqueHandle.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/FormStyles.h"

using namespace tk;
using tk::win32::ProgramTitle;

namespace {

using Win32BackendTest = Win32App;

// A window's own form class, as a stored description declares one.
class TForm1 : public TForm {
 public:
  static const ClassInfo& StaticClass() {
    static const ClassInfo info{"TForm1", &TForm::StaticClass(), {}};
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClass(); }
  explicit TForm1(TComponent* owner) : TForm(owner) {}
};

TEST(ProgramTitleTest, FileNameWithoutDirectoryAndExtension) {
  EXPECT_EQ(ProgramTitle(L"C:\\users\\x\\Temp\\uninstzova.exe"), "uninstzova");
  EXPECT_EQ(ProgramTitle(L"uninstzova.exe"), "uninstzova");
  EXPECT_EQ(ProgramTitle(L"C:\\a.b\\tool"), "tool");
  EXPECT_EQ(ProgramTitle(L"C:\\dir\\my.tool.exe"), "my.tool");
  EXPECT_EQ(ProgramTitle(L"C:\\dir\\\u015Acie\u017Cka.exe"),
            "\xC5\x9A"
            "cie\xC5\xBCka");
}

TEST_F(Win32BackendTest, DefaultTitleIsTheProgramName) {
  EXPECT_EQ(backend.DefaultTitle(), "toolkit_win32_tests");
}

TEST_F(Win32BackendTest, FrameInsetsMatchARealWindow) {
  WNDCLASSW plain{};
  plain.lpfnWndProc = &DefWindowProcW;
  plain.hInstance = GetModuleHandleW(nullptr);
  plain.lpszClassName = L"FrameInsetsTest";
  RegisterClassW(&plain);
  for (int style : {bsSingle, bsSizeable, bsDialog, bsToolWindow, bsNone}) {
    const TRect insets = backend.FrameInsets(style);
    const auto styles = tk::win32::FormStyles(style);
    const plat::UniqueWindow window(
        CreateWindowExW(styles.exStyle, L"FrameInsetsTest", L"", styles.style, 0, 0,
                        300 + insets.left + insets.right, 80 + insets.top + insets.bottom, nullptr,
                        nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    RECT client{};
    GetClientRect(window.Get(), &client);
    EXPECT_EQ(client.right, 300) << "border style " << style;
    EXPECT_EQ(client.bottom, 80) << "border style " << style;
  }
  EXPECT_EQ(backend.FrameInsets(bsNone).top, 0);
  EXPECT_GT(backend.FrameInsets(bsSingle).top, backend.FrameInsets(bsSingle).bottom);
}

TEST_F(Win32BackendTest, ScreenIsThePrimaryMonitorsWholeScreen) {
  const TRect screen = backend.Screen();
  EXPECT_EQ(screen, (TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST_F(Win32BackendTest, DescriptionIsTheRcDataResourceAsUtf8) {
  EXPECT_EQ(backend.LoadDescription("TFORMTEST"),
            std::optional<std::string>("\xC5\x9A"
                                       "cie\xC5\xBCka do katalogu\r\nline two\r\n"));
  EXPECT_EQ(backend.LoadDescription("tformtest"), backend.LoadDescription("TFORMTEST"));
  EXPECT_EQ(backend.LoadDescription("UTF16TEXT"),
            std::optional<std::string>("Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87"));
  EXPECT_EQ(backend.LoadDescription("TNOSUCHFORM"), std::nullopt);
}

TEST_F(Win32BackendTest, DerivedFormClassGetsTheFormsPeer) {
  TForm1 form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  form.HandleNeeded();
  ASSERT_NE(Hwnd(form), nullptr);
  RECT client{};
  GetClientRect(Hwnd(form), &client);
  EXPECT_EQ(client.right, 200);
}

TEST_F(Win32BackendTest, ControlWithoutAParentWindowGetsNoPeer) {
  TLabel label(nullptr);
  label.HandleNeeded();
  EXPECT_EQ(label.Peer(), nullptr);
}

TEST_F(Win32BackendTest, KindWithoutAPeerShowsNothing) {
  auto form = NewForm();
  auto* plain = NewChild<TControl>(*form, 0, 0, 10, 10);
  form->Show();
  EXPECT_EQ(plain->Peer(), nullptr);
}

TEST_F(Win32BackendTest, ProcessMessagesLeavesTheQuitForTheLoop) {
  auto form = NewForm();
  form->Show();
  PostMessageW(Hwnd(*form), WM_NULL, 0, 0);
  backend.Terminate();
  backend.ProcessMessages();
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(Win32BackendTest, ProcessMessagesHandlesWhatIsPending) {
  auto form = NewForm();
  auto* button = NewChild<TButton>(*form, 10, 10, 75, 25);
  int clicks = 0;
  button->OnClick.Set([&](TObject*) { ++clicks; });
  form->Show();
  PostMessageW(Hwnd(*button), BM_CLICK, 0, 0);
  backend.ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

}  // namespace

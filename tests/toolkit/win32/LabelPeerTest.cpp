#include "platform/win32/UniqueHandle.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using LabelPeerTest = Win32App;

TEST_F(LabelPeerTest, ShowsItsTextInAStaticControl) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 24, 16, 181, 16);
  label->SetCaption("Trelvia\xC2\xAEplus Deinstaller");
  form->Show();
  HWND hwnd = Hwnd(*label);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_TRUE(OfClass(hwnd, L"Static"));
  EXPECT_EQ(GetParent(hwnd), Hwnd(*form));
  EXPECT_EQ(native::Window(hwnd).Text(), "Trelvia\xC2\xAEplus Deinstaller");
  const RECT r = ChildRect(hwnd);
  EXPECT_EQ(r.left, 24);
  EXPECT_EQ(r.top, 16);
  EXPECT_EQ(r.right - r.left, 181);
  EXPECT_EQ(r.bottom - r.top, 16);
}

TEST_F(LabelPeerTest, PolishLettersSurvive) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 200, 16);
  form->Show();
  label->SetCaption(
      "\xC5\x9A"
      "cie\xC5\xBCka \xC4\x85\xC4\x87\xC4\x99\xC5\x82\xC5\x84\xC3\xB3");
  EXPECT_EQ(native::Window(Hwnd(*label)).Text(),
            "\xC5\x9A"
            "cie\xC5\xBCka \xC4\x85\xC4\x87\xC4\x99\xC5\x82\xC5\x84\xC3\xB3");
  wchar_t first[2] = {};
  GetWindowTextW(Hwnd(*label), first, 2);
  EXPECT_EQ(first[0], L'\u015A');
}

TEST_F(LabelPeerTest, LinesJoinedByCrLfShowAsLines) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 40, 40, 189, 39);
  label->SetCaption("Deinstallieren\r\n     Menu\r\n     Planung");
  form->Show();
  HWND hwnd = Hwnd(*label);
  EXPECT_EQ(native::Window(hwnd).Text(), "Deinstallieren\r\n     Menu\r\n     Planung");
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK, SS_LEFTNOWORDWRAP);
  // Three lines are drawn: the text is three lines high in the label's font.
  const plat::UniqueWindowDc dc = plat::WindowDcOf(hwnd);
  const plat::UniqueSelection font = plat::SelectInto(dc.Get(), native::Window(hwnd).Font());
  RECT one{0, 0, 1000, 0};
  RECT three{0, 0, 1000, 0};
  DrawTextW(dc.Get(), L"X", -1, &one, DT_CALCRECT);
  DrawTextW(dc.Get(), L"a\r\nb\r\nc", -1, &three, DT_CALCRECT);
  EXPECT_EQ(three.bottom, 3 * one.bottom);
}

TEST_F(LabelPeerTest, FontFollowsTheLabelsFont) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  label->Font().SetStyle(fsBold);
  label->Font().SetHeight(-13);
  label->Font().SetCharSet(238);  // EASTEUROPE_CHARSET
  form->Show();
  LOGFONTW lf = FontOf(Hwnd(*label));
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfHeight, -13);
  EXPECT_EQ(lf.lfCharSet, 238);
  label->Font().SetStyle(0);
  label->Font().SetCharSet(DEFAULT_CHARSET);
  lf = FontOf(Hwnd(*label));
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
}

TEST_F(LabelPeerTest, TakesTheFormsFontWhenItHasNoneOfItsOwn) {
  auto form = NewForm();
  form->Font().SetHeight(-11);
  form->Font().SetName("MS Sans Serif");
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  form->Show();
  form->Font().SetCharSet(204);  // RUSSIAN_CHARSET
  const LOGFONTW lf = FontOf(Hwnd(*label));
  EXPECT_EQ(lf.lfCharSet, 204);
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_STREQ(lf.lfFaceName, L"MS Sans Serif");
}

// What the form answers when a child static asks for its colours.
COLORREF BackgroundOf(HWND child) {
  const plat::UniqueWindowDc dc = plat::WindowDcOf(child);
  auto brush = reinterpret_cast<HBRUSH>(
      native::Window(GetParent(child))
          .Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), child));
  const int mode = GetBkMode(dc.Get());
  LOGBRUSH lb{};
  GetObjectW(brush, sizeof lb, &lb);
  return mode == TRANSPARENT ? lb.lbColor : CLR_INVALID;
}

TEST_F(LabelPeerTest, DrawnTransparentlyOnTheWhiteForm) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  form->Show();
  EXPECT_EQ(BackgroundOf(Hwnd(*label)), RGB(255, 255, 255));
}

TEST_F(LabelPeerTest, OwnColourIsPaintedOpaque) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  label->SetColor(0x00FF00);
  form->Show();
  HWND hwnd = Hwnd(*label);
  const plat::UniqueWindowDc dc = plat::WindowDcOf(hwnd);
  auto brush = reinterpret_cast<HBRUSH>(
      native::Window(Hwnd(*form))
          .Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), hwnd));
  EXPECT_EQ(GetBkColor(dc.Get()), RGB(0, 255, 0));
  LOGBRUSH lb{};
  GetObjectW(brush, sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(0, 255, 0));
}

}  // namespace

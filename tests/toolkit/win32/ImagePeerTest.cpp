#include "tests/support/win32/Pixels.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;
using testsupport::PixelOf;

namespace {

using ImagePeerTest = Win32App;

TEST_F(ImagePeerTest, ShowsTheBitmapResourceAndKeepsItsBounds) {
  auto form = NewForm();
  auto* image = NewChild<TImage>(*form, 245, 8, 124, 41);
  image->SetPicture("LOGO");
  form->Show();
  HWND hwnd = Hwnd(*image);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
  HBITMAP bitmap = native::StaticImage(hwnd).Bitmap();
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 12);
  EXPECT_EQ(info.bmHeight, 8);
  const RECT r = ChildRect(hwnd);
  EXPECT_EQ(r.left, 245);
  EXPECT_EQ(r.right - r.left, 124);
  EXPECT_EQ(r.bottom - r.top, 41);
}

TEST_F(ImagePeerTest, TransparentPartsTakeTheFormsColour) {
  auto form = NewForm();
  auto* image = NewChild<TImage>(*form, 245, 8, 124, 41);
  image->SetPicture("LOGO");
  image->SetTransparent(true);
  form->Show();
  HBITMAP bitmap = native::StaticImage(Hwnd(*image)).Bitmap();
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(PixelOf(bitmap, 0, 7), RGB(255, 255, 255));  // magenta border
  EXPECT_EQ(PixelOf(bitmap, 5, 3), RGB(255, 0, 0));      // red inside
}

TEST_F(ImagePeerTest, OpaquePictureKeepsItsColours) {
  auto form = NewForm();
  auto* image = NewChild<TImage>(*form, 245, 8, 124, 41);
  image->SetPicture("LOGO");
  form->Show();
  EXPECT_EQ(PixelOf(native::StaticImage(Hwnd(*image)).Bitmap(), 0, 7), RGB(255, 0, 255));
}

TEST_F(ImagePeerTest, MissingResourceShowsNothing) {
  auto form = NewForm();
  auto* image = NewChild<TImage>(*form, 245, 8, 124, 41);
  image->SetPicture("NO_SUCH_PICTURE");
  form->Show();
  HWND hwnd = Hwnd(*image);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(native::StaticImage(hwnd).Bitmap(), nullptr);
  image->SetPicture("LOGO");
  EXPECT_NE(native::StaticImage(hwnd).Bitmap(), nullptr);
  image->SetPicture("");
  EXPECT_EQ(native::StaticImage(hwnd).Bitmap(), nullptr);
}

}  // namespace

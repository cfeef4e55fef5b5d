#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/MessageLog.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;

namespace {

// The start and stop notifications that an animation sends its parent window.
class AnimationEvents : public MessageLog {
 public:
  explicit AnimationEvents(HWND parent)
      : MessageLog(parent, [](UINT message, WPARAM wParam) {
          return message == WM_COMMAND &&
                 (HIWORD(wParam) == ACN_START || HIWORD(wParam) == ACN_STOP);
        }) {}
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (WPARAM w : Logged()) codes.push_back(HIWORD(w));
    return codes;
  }
};

using AnimatePeerTest = Win32App;

TEST_F(AnimatePeerTest, AnimationControlWithTheStylesAsSet) {
  auto form = NewForm();
  auto* animate = NewChild<TAnimate>(*form, 32, 88, 304, 60);
  animate->SetCenter(true);
  animate->SetTransparent(true);
  form->Show();
  HWND hwnd = Hwnd(*animate);
  EXPECT_TRUE(OfClass(hwnd, ANIMATE_CLASSW));
  const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_NE(style & ACS_CENTER, 0);
  EXPECT_NE(style & ACS_TRANSPARENT, 0);
  const RECT r = ChildRect(hwnd);
  EXPECT_EQ(r.right - r.left, 304);
  EXPECT_EQ(r.bottom - r.top, 60);
}

TEST_F(AnimatePeerTest, OpensTheCommonAnimation) {
  auto form = NewForm();
  auto* animate = NewChild<TAnimate>(*form, 32, 88, 304, 60);
  form->Show();
  // Stopping answers whether a clip is open.
  EXPECT_FALSE(native::Animation(Hwnd(*animate)).Stop());
  animate->SetCommonAVI(aviDeleteFile);
  EXPECT_TRUE(native::Animation(Hwnd(*animate)).Stop());
}

TEST_F(AnimatePeerTest, PlaysUntilStopped) {
  auto form = NewForm();
  auto* animate = NewChild<TAnimate>(*form, 32, 88, 304, 60);
  animate->SetCommonAVI(aviDeleteFile);
  form->Show();
  AnimationEvents events(Hwnd(*form));
  animate->Play(1, 24, 0);
  DrainMessages();
  EXPECT_EQ(events.Codes(), std::vector<int>{ACN_START});
  animate->Stop();
  DrainMessages();
  EXPECT_EQ(events.Codes(), (std::vector<int>{ACN_START, ACN_STOP}));
}

TEST_F(AnimatePeerTest, ActiveBeforeShowingPlaysOnceShown) {
  auto form = NewForm();
  auto* animate = NewChild<TAnimate>(*form, 32, 88, 304, 60);
  animate->SetCommonAVI(aviDeleteFile);
  animate->SetActive(true);
  form->HandleNeeded();
  AnimationEvents events(Hwnd(*form));
  DrainMessages();
  EXPECT_EQ(events.Codes(), std::vector<int>{ACN_START});
}

}  // namespace

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/WindowPeer.h"

using namespace tk;
using tk::win32::WindowPeer;

namespace {

// Records the WM_SETREDRAW messages a window receives.
class RedrawMessages {
 public:
  explicit RedrawMessages(HWND hwnd) : hwnd_(hwnd) {
    instance_ = this;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~RedrawMessages() {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    instance_ = nullptr;
  }
  RedrawMessages(const RedrawMessages&) = delete;
  RedrawMessages& operator=(const RedrawMessages&) = delete;

  const std::vector<WPARAM>& Sent() const { return sent_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETREDRAW) instance_->sent_.push_back(wParam);
    return CallWindowProcW(instance_->previous_, hwnd, message, wParam, lParam);
  }

  static inline RedrawMessages* instance_ = nullptr;
  HWND hwnd_;
  WNDPROC previous_;
  std::vector<WPARAM> sent_;
};

using WindowPeerTest = Win32App;

TEST_F(WindowPeerTest, RedrawOffAndOnAgainAroundChanges) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  form->Show();
  HWND hwnd = Hwnd(*form);
  RedrawMessages messages(hwnd);
  form->DisableRedraw();
  EXPECT_EQ(messages.Sent(), std::vector<WPARAM>{FALSE});
  label->SetCaption("changed");
  form->EnableRedraw();
  EXPECT_EQ(messages.Sent(), (std::vector<WPARAM>{FALSE, TRUE}));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  // The one repaint at the end covers the whole window.
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
}

TEST_F(WindowPeerTest, NestedLocksTouchTheWindowOnce) {
  auto form = NewForm();
  form->Show();
  RedrawMessages messages(Hwnd(*form));
  {
    RedrawLock outer(form.get());
    RedrawLock inner(form.get());
  }
  EXPECT_EQ(messages.Sent(), (std::vector<WPARAM>{FALSE, TRUE}));
}

TEST_F(WindowPeerTest, HiddenWindowIsNotMadeVisibleByARedrawPause) {
  auto form = NewForm();
  form->HandleNeeded();  // created, not shown
  HWND hwnd = Hwnd(*form);
  RedrawMessages messages(hwnd);
  form->DisableRedraw();
  form->EnableRedraw();
  EXPECT_TRUE(messages.Sent().empty());
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(WindowPeerTest, ShowingDuringAPauseEndsIt) {
  auto form = NewForm();
  form->Show();
  HWND hwnd = Hwnd(*form);
  form->DisableRedraw();
  form->SetVisible(false);
  form->EnableRedraw();
  EXPECT_FALSE(IsWindowVisible(hwnd));
  form->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(WindowPeerTest, BoundsFollowTheControl) {
  auto form = NewForm();
  auto* button = NewChild<TButton>(*form, 10, 10, 75, 25);
  form->Show();
  button->SetBounds(20, 30, 80, 28);
  const RECT r = ChildRect(Hwnd(*button));
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.right - r.left, 80);
  EXPECT_EQ(r.bottom - r.top, 28);
}

TEST_F(WindowPeerTest, EachWindowKnowsItsPeer) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  form->Show();
  EXPECT_EQ(WindowPeer::FromHandle(Hwnd(*label)), label->Peer());
  EXPECT_EQ(WindowPeer::FromHandle(Hwnd(*form)), form->Peer());
  EXPECT_EQ(WindowPeer::FromHandle(GetDesktopWindow()), nullptr);
  EXPECT_EQ(WindowPeer::ParentWindowOf(*label), Hwnd(*form));
}

TEST_F(WindowPeerTest, AWindowWithoutItsPeerMapsToNone) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  auto* kept = NewChild<TLabel>(*form, 8, 30, 100, 16);
  form->Show();
  HWND hwnd = Hwnd(*label);
  label->DestroyPeer();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(WindowPeer::FromHandle(hwnd), nullptr);
  EXPECT_EQ(WindowPeer::FromHandle(Hwnd(*kept)), kept->Peer());
  // A window the toolkit did not create, even among its controls, has no peer.
  HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, Hwnd(*form), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  EXPECT_EQ(WindowPeer::FromHandle(foreign), nullptr);
  DestroyWindow(foreign);
}

TEST_F(WindowPeerTest, PeersOfAFormDestroyedWithItsChildrenAreForgotten) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  form->Show();
  HWND formWindow = Hwnd(*form);
  HWND labelWindow = Hwnd(*label);
  // The form's window goes first and takes the label's with it; the label's peer goes after.
  form->DestroyPeer();
  EXPECT_FALSE(IsWindow(labelWindow));
  label->DestroyPeer();
  EXPECT_EQ(WindowPeer::FromHandle(formWindow), nullptr);
  EXPECT_EQ(WindowPeer::FromHandle(labelWindow), nullptr);
}

TEST_F(WindowPeerTest, ChildControlIdsAreDistinctAndAboveTheDialogIds) {
  auto form = NewForm();
  auto* a = NewChild<TButton>(*form, 8, 8, 75, 25);
  auto* b = NewChild<TButton>(*form, 90, 8, 75, 25);
  form->Show();
  const int idA = GetDlgCtrlID(Hwnd(*a));
  const int idB = GetDlgCtrlID(Hwnd(*b));
  EXPECT_NE(idA, idB);
  EXPECT_GT(idA, IDNO);
  EXPECT_GT(idB, IDNO);
}

}  // namespace

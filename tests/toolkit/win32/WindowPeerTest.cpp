#include <vector>

#include "tests/toolkit/win32/MessageLog.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/WindowPeer.h"
#include "toolkit/win32/native/StringList.h"

using namespace tk;
using tk::win32::WindowPeer;

namespace {

using WindowPeerTest = Win32App;

TEST_F(WindowPeerTest, RedrawOffAtTheFirstMoveAndOnAgainAtTheEnd) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  form->Show();
  HWND hwnd = Hwnd(*form);
  RedrawMessages messages(hwnd);
  form->DisableRedraw();
  EXPECT_TRUE(messages.Sent().empty());
  label->SetBounds(8, 30, 100, 16);
  EXPECT_EQ(messages.Sent(), std::vector<WPARAM>{FALSE});
  label->SetBounds(8, 50, 100, 16);
  form->EnableRedraw();
  EXPECT_EQ(messages.Sent(), (std::vector<WPARAM>{FALSE, TRUE}));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  // The one repaint at the end covers the whole window.
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
}

TEST_F(WindowPeerTest, TextsAloneUnderALockNeverPauseTheWindow) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  auto* button = NewChild<TButton>(*form, 8, 30, 75, 25);
  form->Show();
  HWND hwnd = Hwnd(*form);
  RedrawMessages messages(hwnd);
  {
    RedrawLock lock(form.get());
    label->SetCaption("changed");
    button->SetCaption("Cancel");
    form->SetCaption("Another title");
  }
  EXPECT_TRUE(messages.Sent().empty());
  EXPECT_EQ(native::Window(Hwnd(*label)).Text(), "changed");
  EXPECT_EQ(native::Window(Hwnd(*button)).Text(), "Cancel");
}

TEST_F(WindowPeerTest, AChangeInsideAChildPausesTheLockedWindow) {
  auto form = NewForm();
  auto* panel = NewChild<TPanel>(*form, 8, 8, 200, 100);
  auto* list = new TListBox(form.get());
  list->SetParent(panel);
  list->SetBounds(4, 4, 100, 60);
  form->Show();
  RedrawMessages messages(Hwnd(*form));
  {
    RedrawLock lock(form.get());
    list->Items().Add("one");
    list->Items().Add("two");
  }
  EXPECT_EQ(messages.Sent(), (std::vector<WPARAM>{FALSE, TRUE}));
  EXPECT_EQ(native::ListBox(Hwnd(*list)).Count(), 2);
}

TEST_F(WindowPeerTest, NestedLocksTouchTheWindowOnce) {
  auto form = NewForm();
  auto* label = NewChild<TLabel>(*form, 8, 8, 100, 16);
  form->Show();
  RedrawMessages messages(Hwnd(*form));
  {
    RedrawLock outer(form.get());
    RedrawLock inner(form.get());
    label->SetBounds(8, 30, 100, 16);
  }
  EXPECT_EQ(messages.Sent(), (std::vector<WPARAM>{FALSE, TRUE}));
}

TEST_F(WindowPeerTest, HiddenWindowIsNotMadeVisibleByARedrawPause) {
  auto form = NewForm();
  form->HandleNeeded();  // created, not shown
  HWND hwnd = Hwnd(*form);
  RedrawMessages messages(hwnd);
  form->DisableRedraw();
  form->SetColor(0x00C0C0C0);
  form->EnableRedraw();
  EXPECT_TRUE(messages.Sent().empty());
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(WindowPeerTest, ShowingDuringAPauseEndsIt) {
  auto form = NewForm();
  form->Show();
  HWND hwnd = Hwnd(*form);
  form->DisableRedraw();
  form->SetColor(0x00C0C0C0);
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
  const plat::UniqueWindow foreign(CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10,
                                                   Hwnd(*form), nullptr, GetModuleHandleW(nullptr),
                                                   nullptr));
  EXPECT_EQ(WindowPeer::FromHandle(foreign.Get()), nullptr);
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

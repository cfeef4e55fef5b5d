// Group boxes: a native group box frame with the caption; the controls inside are its child
// windows, whose notifications it hands on.
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"

namespace tk::win32 {

namespace {

class GroupBoxPeer : public WindowPeer {
 public:
  explicit GroupBoxPeer(TCustomGroupBox& box) : WindowPeer(box), box_(box) {
    CreateChild(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN);
    RouteChildNotifications();
  }

 private:
  bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_ERASEBKGND) {
      EraseBackground(reinterpret_cast<HDC>(wParam));
      result = 1;
      return true;
    }
    return WindowPeer::WindowMessage(message, wParam, lParam, result);
  }
  bool DrawsOnParent() const override { return box_.Color() == clBtnFace; }

  TCustomGroupBox& box_;
};

}  // namespace

void RegisterGroupBoxPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomGroupBox, GroupBoxPeer>();
}

}  // namespace tk::win32

// Push buttons: a click runs the control's OnClick inside the message loop's error guard.
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"

namespace tk::win32 {

namespace {

class ButtonPeer : public WindowPeer {
 public:
  explicit ButtonPeer(TButton& button) : WindowPeer(button), button_(button) {
    CreateChild(L"BUTTON", BS_PUSHBUTTON | TabStopStyle(button));
  }

 private:
  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      TButton& button = button_;  // the handler may destroy this peer
      Application().Guarded([&button] { button.Click(); });
      result = 0;
      return true;
    }
    return WindowPeer::Notification(message, wParam, lParam, result);
  }
  bool DrawsOnParent() const override { return true; }

  TButton& button_;
};

}  // namespace

void RegisterButtonPeer(PeerRegistry& registry) {
  registry.AddChild<TButton, ButtonPeer>();
}

}  // namespace tk::win32

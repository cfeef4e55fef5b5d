// Check boxes: the mark follows Checked. The native box does not toggle itself: a click runs the
// control's Click, which toggles Checked, and the mark follows.
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/SimpleControls.h"

namespace tk::win32 {

namespace {

class CheckBoxPeer : public WindowPeer {
 public:
  explicit CheckBoxPeer(TCheckBox& box) : WindowPeer(box), box_(box) {
    CreateChild(L"BUTTON", BS_CHECKBOX | TabStopStyle(box));
    ApplyChecked();
  }

  void Apply(Aspect aspect) override {
    if (aspect == Aspect::Kind) {
      ApplyChecked();
    } else {
      WindowPeer::Apply(aspect);
    }
  }

 private:
  void ApplyChecked() { native::Button(Handle()).SetChecked(box_.Checked()); }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      TCheckBox& box = box_;  // the handler may destroy this peer
      Application().Guarded([&box] { box.Click(); });
      return true;
    }
    return WindowPeer::Notification(message, wParam, lParam, result);
  }
  bool DrawsOnParent() const override { return box_.Color() == clBtnFace; }

  TCheckBox& box_;
};

}  // namespace

void RegisterCheckBoxPeer(PeerRegistry& registry) {
  registry.AddChild<TCheckBox, CheckBoxPeer>();
}

}  // namespace tk::win32

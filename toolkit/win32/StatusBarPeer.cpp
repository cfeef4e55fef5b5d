// Status bars. Without panels the bar shows one text: in simple mode the simple text, else none.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/ComCtrls.h"
#include "toolkit/win32/Colors.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

namespace {

class StatusBarPeer : public WindowPeer {
 public:
  explicit StatusBarPeer(TStatusBar& bar) : WindowPeer(bar), bar_(bar) {
    // The control's own bounds place the bar, not the parent's bottom edge.
    CreateChild(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER);
    ApplyColor();
    ApplySimple();
  }

  void Changed(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Kind:
        ApplySimple();
        break;
      case Aspect::Color:
        ApplyColor();
        WindowPeer::Changed(aspect);
        break;
      default:
        WindowPeer::Changed(aspect);
        break;
    }
  }

 private:
  void ApplyText() override {
    const std::wstring text = Widen(bar_.SimpleText());
    SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
  }

  void ApplySimple() {
    if (!bar_.SimplePanel()) {
      int right = -1;
      SendMessageW(Handle(), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
    }
    SendMessageW(Handle(), SB_SIMPLE, bar_.SimplePanel() ? TRUE : FALSE, 0);
    ApplyText();
  }

  void ApplyColor() {
    const COLORREF color = bar_.Color() == clBtnFace ? CLR_DEFAULT : ColorToRgb(bar_.Color());
    SendMessageW(Handle(), SB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
  }

  TStatusBar& bar_;
};

}  // namespace

void RegisterStatusBarPeer(PeerRegistry& registry) {
  registry.AddChild<TStatusBar, StatusBarPeer>();
}

}  // namespace tk::win32

// Single-line edits (also the edit of a labeled edit, whose label has a peer of its own): the
// edit text follows the control's text, and the user's typing updates the control.
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/SimpleControls.h"

namespace tk::win32 {

namespace {

class EditPeer : public WindowPeer {
 public:
  explicit EditPeer(TCustomEdit& edit) : WindowPeer(edit), edit_(edit) {
    CreateChild(L"EDIT", ES_AUTOHSCROLL | TabStopStyle(edit), WS_EX_CLIENTEDGE);
    ApplyReadOnly();
    ApplyMaxLength();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::ReadOnly:
        ApplyReadOnly();
        break;
      case Aspect::Kind:
        ApplyMaxLength();
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

 private:
  native::Edit Native() const { return native::Edit(Handle()); }
  void ApplyReadOnly() { Native().SetReadOnly(edit_.ReadOnly()); }
  void ApplyMaxLength() { Native().SetLimit(edit_.MaxLength()); }
  void ApplyText() override { Native().ReplaceText(edit_.Text()); }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
      const std::string text = Native().Text();
      TCustomEdit& edit = edit_;  // a handler may destroy this peer
      Application().Guarded([&edit, &text] { edit.SetText(text); });
      return true;
    }
    return WindowPeer::Notification(message, wParam, lParam, result);
  }

  TCustomEdit& edit_;
};

}  // namespace

void RegisterEditPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomEdit, EditPeer>();
}

}  // namespace tk::win32

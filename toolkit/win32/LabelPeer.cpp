// Static text: labels and the labels bound to labeled edits. Line breaks (CR LF) show as lines;
// the text is not wrapped at the edge. A label without a width of its own (a bound label) is as
// wide as its text; one left of its edit grows to the left.
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

namespace {

class LabelPeer : public WindowPeer {
 public:
  explicit LabelPeer(TCustomLabel& label) : WindowPeer(label), label_(label) {
    CreateChild(L"STATIC", SS_LEFTNOWORDWRAP);
    if (label.Width() == 0) ApplyBounds();
  }

  void Apply(Aspect aspect) override {
    WindowPeer::Apply(aspect);
    if ((aspect == Aspect::Text || aspect == Aspect::Font) && label_.Width() == 0) ApplyBounds();
  }

 private:
  // A label without a colour of its own takes its parent's, as a label on a white form is white.
  bool DrawsOnParent() const override {
    return label_.Transparent() || label_.Color() == clBtnFace;
  }

  void ApplyBounds() override {
    if (label_.Width() != 0) {
      WindowPeer::ApplyBounds();
      return;
    }
    const TRect bounds = ScaledBounds();
    const int width = TextWidth();
    int left = bounds.left;
    if (const auto* edit = DynamicCast<TCustomLabeledEdit>(label_.Owner())) {
      if (edit->EditLabel() == &label_ && edit->LabelPosition() == lpLeft) left -= width;
    }
    SetWindowPos(Handle(), nullptr, left, bounds.top, width, bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  int TextWidth() const {
    const plat::UniqueWindowDc dc = plat::WindowDcOf(Handle());
    const plat::UniqueSelection font = plat::SelectInto(dc.Get(), Native().Font());
    const std::wstring text = Widen(label_.Caption());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    return r.right - r.left;
  }

  TCustomLabel& label_;
};

}  // namespace

void RegisterLabelPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomLabel, LabelPeer>();
}

}  // namespace tk::win32

// Static text. Line breaks (CR LF) show as lines; the text is not wrapped at the edge.
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"

namespace tk::win32 {

namespace {

class LabelPeer : public WindowPeer {
 public:
  explicit LabelPeer(TLabel& label) : WindowPeer(label), label_(label) {
    CreateChild(L"STATIC", SS_LEFTNOWORDWRAP);
  }

 private:
  // A label without a colour of its own takes its parent's, as a label on a white form is white.
  bool DrawsOnParent() const override {
    return label_.Transparent() || label_.Color() == clBtnFace;
  }

  TLabel& label_;
};

}  // namespace

void RegisterLabelPeer(PeerRegistry& registry) {
  registry.AddChild<TLabel, LabelPeer>();
}

}  // namespace tk::win32

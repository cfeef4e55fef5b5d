// Status bars. In simple mode the bar shows the simple text; otherwise one part per panel, each
// as wide as its panel and the last one up to the right edge. Without panels the bar shows one
// empty part.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "toolkit/ComCtrls.h"
#include "toolkit/win32/Colors.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/StatusBar.h"

namespace tk::win32 {

namespace {

// The text of a part: a tab before it centres it, two put it on the right.
std::string PartText(const TStatusPanel& panel) {
  switch (panel.Alignment()) {
    case taCenter:
      return "\t" + panel.Text();
    case taRightJustify:
      return "\t\t" + panel.Text();
    default:
      return panel.Text();
  }
}

class StatusBarPeer : public WindowPeer {
 public:
  explicit StatusBarPeer(TStatusBar& bar) : WindowPeer(bar), bar_(bar) {
    // The control's own bounds place the bar, not the parent's bottom edge.
    CreateChild(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER);
    ApplyColor();
    ApplySimple();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Kind:
        ApplySimple();
        break;
      case Aspect::Color:
        ApplyColor();
        WindowPeer::Apply(aspect);
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

  void Rescale() override {
    WindowPeer::Rescale();
    if (!bar_.SimplePanel()) ApplyParts();
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    if (bar_.SimplePanel()) return;  // the panels show when simple mode ends
    if (change == ListChange::Put) {
      // A panel's width may have changed with its text: the parts stay cheap to set.
      ApplyParts();
      SetPartText(index);
    } else {
      ApplyPanels();
    }
  }

 private:
  native::StatusBar Native() const { return native::StatusBar(Handle()); }

  void ApplyText() override { Native().SetSimpleText(bar_.SimpleText()); }

  void ApplySimple() {
    if (!bar_.SimplePanel()) ApplyPanels();
    Native().SetSimple(bar_.SimplePanel());
    ApplyText();
  }

  void ApplyParts() {
    const TStatusPanels& panels = bar_.Panels();
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i + 1 < panels.Count(); ++i) {
      right += Scaled(panels[i]->Width());
      edges.push_back(right);
    }
    edges.push_back(-1);
    Native().SetParts(edges);
  }

  void ApplyPanels() {
    ApplyParts();
    const int count = bar_.Panels().Count();
    if (count == 0) Native().SetPartText(0, "");
    for (int i = 0; i < count; ++i) SetPartText(i);
  }

  void SetPartText(int index) { Native().SetPartText(index, PartText(*bar_.Panels()[index])); }

  void ApplyColor() {
    const COLORREF color = bar_.Color() == clBtnFace ? CLR_DEFAULT : ColorToRgb(bar_.Color());
    Native().SetBackground(color);
  }

  TStatusBar& bar_;
};

}  // namespace

void RegisterStatusBarPeer(PeerRegistry& registry) {
  registry.AddChild<TStatusBar, StatusBarPeer>();
}

}  // namespace tk::win32

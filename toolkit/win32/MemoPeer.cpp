// Memos: a multi-line edit that shows the control's lines joined with CR LF. A change of the lines
// writes the whole text: with word wrap the native lines are not the control's lines, so there
// is no line of the native control to replace. Word wrap is taken when the window is made.
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/SimpleControls.h"

namespace tk::win32 {

namespace {

DWORD ScrollBarStyle(std::int32_t scrollBars) {
  switch (scrollBars) {
    case ssHorizontal:
      return WS_HSCROLL;
    case ssVertical:
      return WS_VSCROLL;
    case ssBoth:
      return WS_HSCROLL | WS_VSCROLL;
    default:
      return 0;
  }
}

class MemoPeer : public WindowPeer {
 public:
  explicit MemoPeer(TCustomMemo& memo) : WindowPeer(memo), memo_(memo) {
    const DWORD wrap = memo.WordWrap() ? 0 : ES_AUTOHSCROLL;
    CreateChild(L"EDIT",
                ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | wrap |
                    ScrollBarStyle(memo.ScrollBars()) | TabStopStyle(memo),
                WS_EX_CLIENTEDGE);
    ApplyReadOnly();
    Native().SetLimit(memo_.MaxLength());
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::ReadOnly:
        ApplyReadOnly();
        break;
      case Aspect::Kind:
        ApplyKind();
        break;
      case Aspect::Items:
        ApplyText();
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

  void ApplyItems(ItemList, ListChange, int) override { ApplyText(); }

 private:
  native::Edit Native() const { return native::Edit(Handle()); }

  void ApplyReadOnly() { Native().SetReadOnly(memo_.ReadOnly()); }

  void ApplyKind() {
    Native().SetLimit(memo_.MaxLength());
    if (!Native().ReplaceStyle(WS_HSCROLL | WS_VSCROLL, ScrollBarStyle(memo_.ScrollBars()))) return;
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  std::string JoinedLines() const {
    std::string text;
    const TStrings& lines = memo_.Lines();
    for (int i = 0; i < lines.Count(); ++i) {
      if (i > 0) text += "\r\n";
      text += lines[i];
    }
    return text;
  }

  // While the user's text goes into the lines, the lines must not come back: splitting and
  // joining again would drop a line break just typed at the end.
  void ApplyText() override {
    if (!pulling_) Native().ReplaceText(JoinedLines());
  }

  bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
      if (Native().Shows(JoinedLines())) return true;
      const std::string text = Native().Text();
      pulling_ = true;
      Application().Guarded([this, &text] { memo_.SetText(text); });
      pulling_ = false;
      return true;
    }
    return WindowPeer::Notification(message, wParam, lParam, result);
  }

  TCustomMemo& memo_;
  bool pulling_ = false;
};

}  // namespace

void RegisterMemoPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomMemo, MemoPeer>();
}

}  // namespace tk::win32

// Panels: a plain window of the toolkit's own class that paints its colour, its outer bevel and
// its caption centred; the controls on it are its child windows, whose notifications it hands on.
#include "base/Errors.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/Colors.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

namespace {

constexpr wchar_t kPanelClass[] = L"TkPanel";

void RegisterPanelClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelClass;
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered) throw base::Exception("Error creating window class");
}

UINT EdgeOf(std::int32_t bevel) {
  switch (bevel) {
    case bvLowered:
      return BDR_SUNKENOUTER;
    case bvRaised:
      return BDR_RAISEDINNER;
    default:
      return 0;
  }
}

class PanelPeer : public WindowPeer {
 public:
  explicit PanelPeer(TCustomPanel& panel) : WindowPeer(panel), panel_(panel) {
    RegisterPanelClass();
    CreateChild(kPanelClass, WS_CLIPCHILDREN);
    RouteChildNotifications();
  }

  void Apply(Aspect aspect) override {
    WindowPeer::Apply(aspect);
    if (aspect == Aspect::Kind || aspect == Aspect::Text) InvalidateRect(Handle(), nullptr, TRUE);
  }

 private:
  bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        result = 1;
        return true;
      case WM_PAINT:
        Paint();
        result = 0;
        return true;
      default:
        return WindowPeer::WindowMessage(message, wParam, lParam, result);
    }
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT r{};
    GetClientRect(Handle(), &r);
    if (const UINT edge = EdgeOf(panel_.BevelOuter()); edge != 0) {
      DrawEdge(dc, &r, edge, BF_RECT);
    }
    const std::wstring text = Widen(panel_.Caption());
    if (!text.empty()) {
      // The window class keeps no font of its own: the peer holds it.
      const plat::UniqueSelection font = plat::SelectInto(dc, FontHandleOf());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ColorToRgb(panel_.Font().Color()));
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(Handle(), &ps);
  }

  TCustomPanel& panel_;
};

}  // namespace

void RegisterPanelPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomPanel, PanelPeer>();
}

}  // namespace tk::win32

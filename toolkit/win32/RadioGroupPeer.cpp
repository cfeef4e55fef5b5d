// Radio groups (plain and data-aware): a native group box with the caption and one radio button
// per item inside, in Columns columns. The buttons do not check themselves: a click sets the
// control's ItemIndex and the marks follow it.
#include <cstdint>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Saturated.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/native/SimpleControls.h"

namespace tk::win32 {

namespace {

class RadioGroupPeer : public WindowPeer {
 public:
  explicit RadioGroupPeer(TCustomRadioGroup& group) : WindowPeer(group), group_(group) {
    CreateChild(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN);
    RouteChildNotifications();
    Rebuild();
  }

  void Apply(Aspect aspect) override {
    WindowPeer::Apply(aspect);
    switch (aspect) {
      case Aspect::Items:
        Rebuild();
        break;
      case Aspect::ItemIndex:
        ApplyChecks();
        break;
      case Aspect::Font:
        for (HWND button : buttons_) native::Window(button).SetFont(FontHandleOf(), true);
        Arrange();
        break;
      case Aspect::Bounds:
      case Aspect::Kind:
        Arrange();
        break;
      case Aspect::Enabled:
        for (HWND button : buttons_) EnableWindow(button, group_.Enabled() ? TRUE : FALSE);
        break;
      default:
        break;
    }
  }

  void ApplyItems(ItemList, ListChange change, int index) override {
    if (change == ListChange::Put) {
      native::Window(buttons_.at(static_cast<std::size_t>(index))).SetText(group_.Items()[index]);
    } else {
      // Every button moves when one comes or goes.
      Rebuild();
    }
  }

 private:
  void Rebuild() {
    for (HWND button : buttons_) DestroyWindow(button);
    buttons_.clear();
    const TStrings& items = group_.Items();
    for (int i = 0; i < items.Count(); ++i) {
      DWORD style = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
      if (!group_.Enabled()) style |= WS_DISABLED;
      HWND button = CreateWindowExW(0, L"BUTTON", Widen(items[i]).c_str(), style, 0, 0, 0, 0,
                                    Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
                                    GetModuleHandleW(nullptr), nullptr);
      native::Window(button).SetFont(FontHandleOf(), false);
      buttons_.push_back(button);
    }
    Arrange();
    ApplyChecks();
  }

  // Rows of equal height below the caption, filled column by column.
  void Arrange() {
    const int count = static_cast<int>(buttons_.size());
    if (count == 0) return;
    const int columns = group_.Columns();
    const int perColumn = (count + columns - 1) / columns;
    const TRect bounds = ScaledBounds();
    const int buttonWidth = Saturated((std::int64_t{bounds.Width()} - Scaled(10)) / columns);
    const int fontHeight = FontHeight();
    const int space = Saturated(std::int64_t{bounds.Height()} - fontHeight - Scaled(5));
    const int buttonHeight = space / perColumn;
    const int topMargin = fontHeight + 1 + (space % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
      SetWindowPos(buttons_[static_cast<std::size_t>(i)], nullptr,
                   (i / perColumn) * buttonWidth + Scaled(8),
                   (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  int FontHeight() const {
    const plat::UniqueWindowDc dc = plat::WindowDcOf(Handle());
    const plat::UniqueSelection font = plat::SelectInto(dc.Get(), FontHandleOf());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmHeight;
  }

  void ApplyChecks() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      native::Button(buttons_[i]).SetChecked(static_cast<std::int32_t>(i) == group_.ItemIndex());
    }
  }

  int ButtonIndex(HWND hwnd) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      if (buttons_[i] == hwnd) return static_cast<int>(i);
    }
    return -1;
  }

  bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_ERASEBKGND) {
      EraseBackground(reinterpret_cast<HDC>(wParam));
      result = 1;
      return true;
    }
    const int index = ButtonIndex(reinterpret_cast<HWND>(lParam));
    if (index < 0) return WindowPeer::WindowMessage(message, wParam, lParam, result);
    switch (message) {
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
          TCustomRadioGroup& group = group_;  // a handler may destroy this peer
          Application().Guarded([&group, index] {
            group.SetItemIndex(index);
            group.Click();
          });
          result = 0;
          return true;
        }
        return false;
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
        result = PaintColors(reinterpret_cast<HDC>(wParam));
        return true;
      default:
        return false;
    }
  }

  bool DrawsOnParent() const override { return group_.Color() == clBtnFace; }

  TCustomRadioGroup& group_;
  std::vector<HWND> buttons_;  // children of the group box's window, destroyed with it
};

}  // namespace

void RegisterRadioGroupPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomRadioGroup, RadioGroupPeer>();
}

}  // namespace tk::win32

#include "toolkit/win32/FormStyles.h"

#include "toolkit/Form.h"

namespace tk::win32 {

WindowStyles FormStyles(int borderStyle) {
  constexpr DWORD kFixed = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  switch (borderStyle) {
    case bsNone:
      return {WS_POPUP, 0};
    case bsSingle:
      return {kFixed | WS_MINIMIZEBOX, 0};
    case bsDialog:
      return {kFixed, WS_EX_DLGMODALFRAME};
    case bsToolWindow:
      return {kFixed, WS_EX_TOOLWINDOW};
    case bsSizeToolWin:
      return {kFixed | WS_THICKFRAME, WS_EX_TOOLWINDOW};
    case bsSizeable:
    default:
      return {WS_OVERLAPPEDWINDOW, 0};
  }
}

TRect FrameInsetsFor(int borderStyle) {
  const WindowStyles styles = FormStyles(borderStyle);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, styles.style, FALSE, styles.exStyle);
  return TRect{-r.left, -r.top, r.right, r.bottom};
}

}  // namespace tk::win32

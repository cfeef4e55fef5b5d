#include "toolkit/win32/FormStyles.h"

#include "toolkit/DpiScale.h"
#include "toolkit/Form.h"
#include "toolkit/win32/native/Dpi.h"

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
  const RECT r = native::FrameInsetsAtDpi(styles.style, styles.exStyle, false, kDesignDpi);
  return TRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace tk::win32

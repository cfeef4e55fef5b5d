#include "tools/textfit/TextFit.h"

#include <windows.h>

#include "multilang/MLBase.h"
#include "platform/win32/Utf16.h"
#include "toolkit/Form.h"
#include "toolkit/win32/WindowPeer.h"
#include "toolkit/win32/native/Dpi.h"
#include "tools/textfit/DrawnTexts.h"
#include "tools/uidriver/TextFormat.h"

namespace textfit {

namespace {

HWND WindowOf(const tk::TForm& form) {
  return form.Peer() != nullptr ? static_cast<HWND>(form.Peer()->NativeHandle()) : nullptr;
}

// The window's descendants, parents before their children.
std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> out;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&out));
  return out;
}

// The name of the component a native window shows: its own peer's, or for a window that a peer
// made inside its control (a radio group's buttons, a combo box's edit) the nearest one above.
std::string ComponentName(HWND hwnd, HWND form) {
  for (HWND h = hwnd; h != nullptr && h != form; h = GetParent(h)) {
    if (const tk::win32::WindowPeer* peer = tk::win32::WindowPeer::FromHandle(h)) {
      return peer->Control().Name();
    }
  }
  return "?";
}

// WM_DPICHANGED as the system sends it when the window moves to a monitor of `to` dpi: the new
// resolution and a suggested outer rectangle, the present one scaled about its centre.
void SendDpiChange(HWND window, int from, int to) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int width = MulDiv(outer.right - outer.left, to, from);
  const int height = MulDiv(outer.bottom - outer.top, to, from);
  const int left = (outer.left + outer.right - width) / 2;
  const int top = (outer.top + outer.bottom - height) / 2;
  RECT suggested{left, top, left + width, top + height};
  SendMessageW(window, tk::win32::native::kDpiChangedMessage, MAKEWPARAM(to, to),
               reinterpret_cast<LPARAM>(&suggested));
}

void MeasureWindow(HWND form, int language, int dpi, std::vector<TextFit>& out) {
  for (HWND control : Descendants(form)) {
    if (!IsWindowVisible(control)) continue;
    for (const DrawnText& drawn : DrawnTexts(control)) {
      const TextExtent extent = Measure(control, drawn);
      out.push_back(TextFit{ComponentName(control, form), drawn.item, language, dpi,
                            plat::Narrow(drawn.text), extent.width, drawn.width, extent.height,
                            drawn.height});
    }
  }
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const TextFit& fit) {
  out << fit.control;
  if (!fit.item.empty()) out << ' ' << fit.item;
  return out << " in language " << fit.language << " at " << fit.dpi << " dpi: \""
             << uidriver::Escape(fit.text) << "\" is " << fit.textWidth << " x " << fit.textHeight
             << " pixels in " << fit.width << " x " << fit.height;
}

std::vector<TextFit> MeasureTexts(tk::TForm& form, ml::TBaseMultiLang& localizer,
                                  std::span<const int> dpis) {
  const HWND window = WindowOf(form);
  std::vector<TextFit> out;
  if (window == nullptr) return out;
  const std::uint8_t before = localizer.ActiveLanguage();
  // Where the system puts the window; the messages sent here change only the window's own idea.
  const int shown = tk::win32::native::WindowDpi(window);
  int dpi = shown;
  for (const int target : dpis) {
    if (target != dpi) SendDpiChange(window, dpi, target);
    dpi = target;
    for (int language = 0; language < localizer.Languages(); ++language) {
      localizer.SwitchLanguage(static_cast<std::uint8_t>(language));
      MeasureWindow(window, language, dpi, out);
    }
  }
  if (dpi != shown) SendDpiChange(window, dpi, shown);
  localizer.SwitchLanguage(before);
  return out;
}

std::vector<TextFit> CutTexts(const std::vector<TextFit>& measured) {
  std::vector<TextFit> cut;
  for (const TextFit& fit : measured) {
    if (!fit.Fits()) cut.push_back(fit);
  }
  return cut;
}

}  // namespace textfit

// The form: a top-level window of the toolkit's own window class, whose client area is exactly
// the form's client size. It hands its children's notifications back to their peers.
#include <cstdint>

#include "base/Errors.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Saturated.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/FormStyles.h"
#include "toolkit/win32/MenuBarPeer.h"
#include "toolkit/win32/Resources.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/Dpi.h"
#include "toolkit/win32/native/SimpleControls.h"

namespace tk::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TkForm";

class FormPeer : public WindowPeer {
 public:
  explicit FormPeer(TCustomForm& form);
  void Apply(Aspect aspect) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void ApplyBounds() override;
  // Puts the window's top-left corner at (x, y), in a size that gives the stored client area at
  // the window's resolution.
  void PlaceAt(int x, int y);
  // WM_DPICHANGED: the window and every control in it laid out again at `dpi`, from the stored
  // values, in the place the system suggests.
  void ChangeDpi(int dpi, const RECT& suggested);
  static void RescaleChildren(const TWinControl& parent);
  void ApplyBorderStyle();
  void ApplyMenu();
  void RestoreFocus();
  void PressFocusedButton();
  void PressCancelButton();
  static void RegisterWindowClass();

  TCustomForm& form_;
  HWND lastFocus_ = nullptr;
};

void FormPeer::RegisterWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &FormPeer::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadApplicationIcon(GetSystemMetrics(SM_CXICON));
    wc.hIconSm = LoadApplicationIcon(GetSystemMetrics(SM_CXSMICON));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered) throw base::Exception("Error creating window class");
}

FormPeer::FormPeer(TCustomForm& form) : WindowPeer(form), form_(form) {
  RegisterWindowClass();
  const WindowStyles styles = FormStyles(form.BorderStyle());
  DWORD style = styles.style | WS_CLIPCHILDREN;
  if (!form.Enabled()) style |= WS_DISABLED;
  HWND hwnd =
      CreateWindowExW(styles.exStyle, kFormClass, L"", style, form.Left(), form.Top(), form.Width(),
                      form.Height(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) throw base::Exception("Error creating window");
  Attach(hwnd);
  ShowMainMenu(form_, hwnd);
  ApplyBounds();
}

void FormPeer::Apply(Aspect aspect) {
  switch (aspect) {
    case Aspect::Kind:
      ApplyBorderStyle();
      break;
    case Aspect::Visible:
      if (form_.Visible()) ApplyMenu();
      ApplyVisible();
      if (form_.Visible()) RestoreFocus();
      break;
    default:
      WindowPeer::Apply(aspect);
      break;
  }
}

void FormPeer::ApplyBounds() { PlaceAt(form_.Left(), form_.Top()); }

void FormPeer::PlaceAt(int x, int y) {
  HWND hwnd = Handle();
  const native::Window window(hwnd);
  const RECT insets = native::FrameInsetsAtDpi(window.Style(), window.ExStyle(),
                                               GetMenu(hwnd) != nullptr, Dpi());
  const TSize outer = OuterSizeAtDpi({form_.ClientWidth(), form_.ClientHeight()},
                                     {insets.left, insets.top, insets.right, insets.bottom}, Dpi());
  SetWindowPos(hwnd, nullptr, x, y, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame may differ from the computed one (themes, a window manager, a menu bar that wraps):
  // the client size is what counts, so correct the outer size by the difference.
  RECT client{};
  GetClientRect(hwnd, &client);
  const std::int64_t dx = std::int64_t{Scaled(form_.ClientWidth())} - (client.right - client.left);
  const std::int64_t dy = std::int64_t{Scaled(form_.ClientHeight())} - (client.bottom - client.top);
  if (dx != 0 || dy != 0) {
    SetWindowPos(hwnd, nullptr, 0, 0, Saturated(outer.width + dx), Saturated(outer.height + dy),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

void FormPeer::ChangeDpi(int dpi, const RECT& suggested) {
  HWND hwnd = Handle();
  SetDpi(dpi);
  // One repaint of the whole window instead of one per control that moves.
  const bool shown = IsWindowVisible(hwnd) != FALSE;
  if (shown) native::Window(hwnd).SetRedraw(false);
  ApplyFont();
  RescaleChildren(form_);
  // The form keeps the new corner, so that placing the window again later (a new border style or
  // client size) does not move it back; its stored size stays. Setting the corner places the
  // window only when the corner moved.
  form_.SetBounds(suggested.left, suggested.top, form_.Width(), form_.Height());
  PlaceAt(suggested.left, suggested.top);
  if (shown) {
    native::Window(hwnd).SetRedraw(true);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

void FormPeer::RescaleChildren(const TWinControl& parent) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* control = parent.Controls(i);
    if (control->Peer() == nullptr) continue;
    if (WindowPeer* peer = FromHandle(static_cast<HWND>(control->Peer()->NativeHandle()))) {
      peer->Rescale();
    }
    if (const auto* window = DynamicCast<TWinControl>(control)) RescaleChildren(*window);
  }
}

void FormPeer::ApplyBorderStyle() {
  HWND hwnd = Handle();
  const WindowStyles styles = FormStyles(form_.BorderStyle());
  const auto kept = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) &
                    (WS_VISIBLE | WS_DISABLED | WS_CLIPCHILDREN);
  SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>(styles.style | kept));
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(styles.exStyle));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyBounds();
}

// A main menu made after the window shows when the form is shown. The menu bar takes room from
// the client area, which keeps its size: the window grows instead.
void FormPeer::ApplyMenu() {
  HMENU before = GetMenu(Handle());
  if (ShowMainMenu(form_, Handle()) && GetMenu(Handle()) != before) ApplyBounds();
}

void FormPeer::RestoreFocus() {
  HWND hwnd = Handle();
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(hwnd, focus)) return;
  if (lastFocus_ != nullptr && IsChild(hwnd, lastFocus_) && IsWindowVisible(lastFocus_) &&
      IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  SetFocus(first != nullptr ? first : hwnd);
}

// A form is no dialog, so the dialog manager has no default button to press on Enter: it asks
// for IDOK instead. The focused push button takes that as its own click.
void FormPeer::PressFocusedButton() {
  HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(Handle(), focus)) return;
  const native::Button button(focus);
  if ((button.Send(WM_GETDLGCODE) & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON)) != 0) {
    button.Click();
  }
}

// Escape: the dialog manager asks for IDCANCEL, which the form's cancel button answers.
void FormPeer::PressCancelButton() {
  if (TButton* button = CancelButtonOf(form_)) {
    Application().Guarded([button] { button->Click(); });
  }
}

LRESULT CALLBACK FormPeer::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Only forms use this window class, so its peer is a form's.
  if (auto* peer = static_cast<FormPeer*>(FromHandle(hwnd))) {
    return peer->OnMessage(message, wParam, lParam);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT FormPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = Handle();
  switch (message) {
    case WM_CLOSE:
      Application().Guarded([this] { form_.Close(); });
      return 0;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case native::kDpiChangedMessage:
      ChangeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) lastFocus_ = focus;
      } else if (HIWORD(wParam) == 0) {
        RestoreFocus();
      }
      return 0;
    case WM_COMMAND:
      if (lParam == 0 && RunMenuCommand(hwnd, LOWORD(wParam))) return 0;
      if (lParam == 0 && LOWORD(wParam) == IDOK) {
        PressFocusedButton();
        return 0;
      }
      if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
        PressCancelButton();
        return 0;
      }
      [[fallthrough]];
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      LRESULT result = 0;
      if (RouteToChild(message, wParam, lParam, result)) return result;
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterFormPeer(PeerRegistry& registry) {
  registry.Add(TCustomForm::StaticClass(), [](TControl& control) -> std::unique_ptr<ControlPeer> {
    return std::make_unique<FormPeer>(static_cast<TCustomForm&>(control));
  });
}

}  // namespace tk::win32

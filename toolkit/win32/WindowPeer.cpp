#include "toolkit/win32/WindowPeer.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include <unordered_map>

#include "base/Errors.h"
#include "toolkit/Saturated.h"
#include "toolkit/win32/Colors.h"
#include "toolkit/win32/Fonts.h"
#include "toolkit/win32/native/Dpi.h"

namespace tk::win32 {

namespace {

// The peer of every window the toolkit created. Kept in the process rather than as a window
// property: under Wine every property lookup is a round trip to the server, and a parent looks up
// a child's peer each time the child asks for its colours, on every paint. Never destroyed, so
// peers that outlive static destruction still find it.
std::unordered_map<HWND, WindowPeer*>& Registry() {
  static auto* peers = new std::unordered_map<HWND, WindowPeer*>();
  return *peers;
}

// Control ids start above the dialog manager's own ids (IDOK, IDCANCEL...), so the Enter and
// Escape keys never press a control by accident.
int NextControlId() {
  static int next = 100;
  const int id = next;
  next = next >= 0x7FFF ? 100 : next + 1;
  return id;
}

// The child window that a parent's notification message concerns.
HWND NotifyingChild(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

DWORD TabStopStyle(const TControl& control) {
  if (!control.Is<TWinControl>()) return 0;
  return static_cast<const TWinControl&>(control).TabStop() ? WS_TABSTOP : 0;
}

WindowPeer::WindowPeer(TControl& control) : control_(control) {}

WindowPeer::~WindowPeer() {
  if (hwnd_ == nullptr) return;
  auto entry = Registry().find(hwnd_);
  if (entry == Registry().end() || entry->second != this) return;
  Registry().erase(entry);
  // The window may be gone already, with its parent; while it lives it outlives this peer by a
  // few messages, none of which may reach it.
  if (IsWindow(hwnd_)) {
    if (subclassed_) RemoveWindowSubclass(hwnd_, &WindowPeer::SubclassProc, 0);
    DestroyWindow(hwnd_);
  }
}

WindowPeer* WindowPeer::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  auto entry = Registry().find(hwnd);
  return entry != Registry().end() ? entry->second : nullptr;
}

HWND WindowPeer::ParentWindowOf(const TControl& control) {
  const TWinControl* parent = control.Parent();
  if (parent == nullptr || parent->Peer() == nullptr) return nullptr;
  return static_cast<HWND>(parent->Peer()->NativeHandle());
}

bool WindowPeer::RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  WindowPeer* child = FromHandle(NotifyingChild(message, lParam));
  return child != nullptr && child->Notification(message, wParam, lParam, result);
}

void WindowPeer::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle) {
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  const TRect bounds = ScaledBounds();
  HWND hwnd = CreateWindowExW(exStyle, className, L"", style, bounds.left, bounds.top,
                              bounds.Width(), bounds.Height(), ParentWindowOf(control_),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) throw base::Exception("Error creating window");
  Attach(hwnd);
}

void WindowPeer::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  Registry()[hwnd_] = this;
  if (control_.Parent() == nullptr) dpi_ = native::WindowDpi(hwnd_);
  ApplyFont();
  ApplyText();
}

void WindowPeer::RouteChildNotifications() {
  if (subclassed_) return;
  subclassed_ = SetWindowSubclass(hwnd_, &WindowPeer::SubclassProc, 0,
                                  reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK WindowPeer::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &WindowPeer::SubclassProc, 0);
    reinterpret_cast<WindowPeer*>(self)->subclassed_ = false;
  } else {
    LRESULT result = 0;
    if (reinterpret_cast<WindowPeer*>(self)->WindowMessage(message, wParam, lParam, result)) {
      return result;
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool WindowPeer::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return RouteToChild(message, wParam, lParam, result);
}

namespace {

// A control repaints its own area when its text or hint changes: a static control or a button
// paints the new text at once, inside WM_SETTEXT. Pausing the window for that would only add a
// repaint of the whole window (under Wine about three times what the texts cost). Everything
// else (moves, fonts, lists, colours, showing and hiding) may paint the parent or show a
// half-made layout, and is what a redraw lock keeps from the screen. (The lock's own Redraw change
// ends or starts it and needs nothing here.)
bool PaintsOnlyItself(Aspect aspect) {
  return aspect == Aspect::Text || aspect == Aspect::Hint || aspect == Aspect::Redraw;
}

// Puts the redraw lock over `control` into effect: the outermost locked window among the control
// and its parents stops redrawing until its lock ends.
void PauseForChangeOf(const TControl& control) {
  const TWinControl* locked = nullptr;
  for (const TControl* c = &control; c != nullptr; c = c->Parent()) {
    if (!c->Is<TWinControl>()) continue;
    const auto* window = static_cast<const TWinControl*>(c);
    if (window->RedrawDisabled()) locked = window;
  }
  if (locked == nullptr || locked->Peer() == nullptr) return;
  if (WindowPeer* peer =
          WindowPeer::FromHandle(static_cast<HWND>(locked->Peer()->NativeHandle()))) {
    peer->PauseRedraw();
  }
}

}  // namespace

void WindowPeer::Changed(Aspect aspect) {
  if (hwnd_ == nullptr) return;
  if (!PaintsOnlyItself(aspect)) PauseForChangeOf(control_);
  Apply(aspect);
}

void WindowPeer::ItemsChanged(ItemList list, ListChange change, int index) {
  if (hwnd_ == nullptr) return;
  PauseForChangeOf(control_);
  ApplyItems(list, change, index);
}

void WindowPeer::Apply(Aspect aspect) {
  switch (aspect) {
    case Aspect::Text:
      ApplyText();
      break;
    case Aspect::Bounds:
      ApplyBounds();
      break;
    case Aspect::Visible:
      ApplyVisible();
      break;
    case Aspect::Enabled:
      EnableWindow(hwnd_, control_.Enabled() ? TRUE : FALSE);
      break;
    case Aspect::Font:
      ApplyFont();
      break;
    case Aspect::Color:
      background_.Reset();
      Repaint();
      break;
    case Aspect::Redraw:
      ApplyRedraw();
      break;
    case Aspect::TabOrder:
      ApplyTabOrder();
      break;
    default:
      break;
  }
}

bool WindowPeer::Notification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      result = PaintColors(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      return false;
  }
}

// A control that draws on its parent paints with the parent's colour, and so do its children.
HBRUSH WindowPeer::BackgroundBrush() {
  if (DrawsOnParent()) {
    if (WindowPeer* parent = FromHandle(GetParent(hwnd_))) return parent->BackgroundBrush();
  }
  if (!background_) background_.Reset(CreateSolidBrush(BackgroundColor()));
  return background_.Get();
}

COLORREF WindowPeer::BackgroundColor() const {
  if (DrawsOnParent()) {
    if (const WindowPeer* parent = FromHandle(GetParent(hwnd_))) return parent->BackgroundColor();
  }
  return ColorToRgb(control_.Color());
}

LRESULT WindowPeer::PaintColors(HDC hdc) {
  SetTextColor(hdc, ColorToRgb(control_.Font().Color()));
  if (DrawsOnParent()) SetBkMode(hdc, TRANSPARENT);
  SetBkColor(hdc, BackgroundColor());
  return reinterpret_cast<LRESULT>(BackgroundBrush());
}

void WindowPeer::EraseBackground(HDC hdc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  FillRect(hdc, &client, BackgroundBrush());
}

int WindowPeer::Dpi() const {
  const TControl* root = &control_;
  while (root->Parent() != nullptr) root = root->Parent();
  if (root == &control_) return dpi_;
  const WindowPeer* top =
      root->Peer() != nullptr ? FromHandle(static_cast<HWND>(root->Peer()->NativeHandle())) : nullptr;
  return top != nullptr ? top->dpi_ : kDesignDpi;
}

TRect WindowPeer::ScaledBounds() const {
  const TRect stored{control_.Left(), control_.Top(),
                     Saturated(std::int64_t{control_.Left()} + control_.Width()),
                     Saturated(std::int64_t{control_.Top()} + control_.Height())};
  return ScaleToDpi(stored, Dpi());
}

void WindowPeer::Rescale() {
  Apply(Aspect::Font);
  Apply(Aspect::Bounds);
}

void WindowPeer::ApplyBounds() {
  const TRect bounds = ScaledBounds();
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::ApplyText() {
  Native().SetText(control_.Caption());
}

void WindowPeer::ApplyFont() {
  plat::UniqueFont font = CreateFontFor(control_.Font(), Dpi());
  Native().SetFont(font.Get(), true);
  // The old font goes only after the window has let go of it.
  font_ = std::move(font);
}

void WindowPeer::ApplyVisible() {
  // Showing or hiding ends a redraw pause: turning redrawing back on later would otherwise mark
  // a hidden window visible again.
  if (redrawOff_) {
    redrawOff_ = false;
    Native().SetRedraw(true);
  }
  ShowWindow(hwnd_, control_.Visible() ? SW_SHOW : SW_HIDE);
}

// A redraw lock pauses the window only once a change under it needs the pause (PauseForChangeOf):
// a lock under which only texts change leaves each control to paint its new text, and the window
// is not redrawn at all. Otherwise the window is redrawn once, when the lock ends.
void WindowPeer::PauseRedraw() {
  // A window that is not shown has nothing to pause.
  if (redrawOff_ || !IsWindowVisible(hwnd_)) return;
  redrawOff_ = true;
  Native().SetRedraw(false);
}

void WindowPeer::ApplyRedraw() {
  const auto* self = DynamicCast<TWinControl>(&control_);
  if (self == nullptr) return;
  if (!self->RedrawDisabled() && redrawOff_) {
    redrawOff_ = false;
    Native().SetRedraw(true);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

void WindowPeer::ApplyTabOrder() {
  const TWinControl* parent = control_.Parent();
  if (parent == nullptr) return;
  // Tab follows the order of the sibling windows; put them in tab order again.
  HWND after = HWND_TOP;
  for (TControl* sibling : parent->TabOrdered()) {
    auto* hwnd =
        sibling->Peer() != nullptr ? static_cast<HWND>(sibling->Peer()->NativeHandle()) : nullptr;
    if (hwnd == nullptr) continue;
    SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = hwnd;
  }
}

void WindowPeer::Repaint() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace tk::win32

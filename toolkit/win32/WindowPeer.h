// The common part of every Win32 peer: one native window that shows one control. The window's
// notifications reach its parent window; the parent hands them back to the child's peer.
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"
#include "toolkit/Control.h"
#include "toolkit/DpiScale.h"
#include "toolkit/Peer.h"
#include "toolkit/win32/native/Window.h"

namespace tk::win32 {

class WindowPeer : public ControlPeer {
 public:
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;
  ~WindowPeer() override;

  // Every change reaches the subclass through Apply and ApplyItems; a change that Windows paints
  // beyond the control's own text first puts a pending redraw pause into effect.
  void Changed(Aspect aspect) final;
  void ItemsChanged(ItemList list, ListChange change, int index) final;
  void* NativeHandle() const override { return hwnd_; }

  HWND Handle() const { return hwnd_; }
  // Turns this window's redrawing off for the rest of its control's redraw lock.
  void PauseRedraw();
  TControl& Control() const { return control_; }

  // The peer that shows `hwnd`, or null for a window the toolkit did not create.
  static WindowPeer* FromHandle(HWND hwnd);
  // The window that a child control of `control` goes into, or null when there is none yet.
  static HWND ParentWindowOf(const TControl& control);
  // Hands a parent's notification (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...) to the child peer it
  // concerns. True when that peer handled it; `result` is then the answer.
  static bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The brush and colour that this control's area is painted with.
  HBRUSH BackgroundBrush();
  COLORREF BackgroundColor() const;

  // The resolution the control is shown at: its top-level window's. Positions, sizes and font
  // heights of the control are stored at 96 dpi and shown scaled to it.
  int Dpi() const;
  // Shows the control again at its top-level window's resolution, from its stored values.
  virtual void Rescale();

 protected:
  explicit WindowPeer(TControl& control);

  // Creates the native window as a child of the parent control's window, in the control's
  // bounds, visible and enabled as the control is, with its font and text.
  void CreateChild(const wchar_t* className, DWORD style, DWORD exStyle = 0);
  // Takes over a window created by the subclass (a top-level one, which takes the resolution of
  // its monitor).
  void Attach(HWND hwnd);
  // For a top-level window: the resolution it is now shown at.
  void SetDpi(int dpi) { dpi_ = dpi; }
  // A stored 96-dpi value (a position, size or font height) at the control's resolution.
  int Scaled(int value) const { return ScaleToDpi(value, Dpi()); }
  // The control's stored bounds at its resolution, relative to its parent.
  TRect ScaledBounds() const;
  // For a control that holds child windows (a group box, a panel): their notifications reach
  // this control's window, which then hands them on as a form does. Every message of the window
  // passes WindowMessage first.
  void RouteChildNotifications();
  // A message of this control's own window, once RouteChildNotifications is on. True when
  // handled; `result` is then the answer. By default it hands children's notifications on.
  virtual bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  virtual void Apply(Aspect aspect);
  // One list of the control changed; by default the whole list is loaded again.
  virtual void ApplyItems(ItemList /*list*/, ListChange /*change*/, int /*index*/) {
    Apply(Aspect::Items);
  }

  // The native window, for the messages that every kind of window answers.
  native::Window Native() const { return native::Window(hwnd_); }

  // A notification from this control that its parent received.
  virtual bool Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Whether the control shows its parent's background instead of its own colour.
  virtual bool DrawsOnParent() const { return false; }
  // Answers a WM_CTLCOLOR... message: text colour, background colour and brush.
  LRESULT PaintColors(HDC hdc);
  // Fills the client area with the background brush: a container whose window class paints no
  // background (a group box) would otherwise show what was there before.
  void EraseBackground(HDC hdc);

  virtual void ApplyBounds();
  virtual void ApplyText();
  void ApplyFont();
  void ApplyVisible();
  void ApplyRedraw();
  void ApplyTabOrder();
  void Repaint();
  // The window's font, for the windows that the peer adds of its own (radio buttons).
  HFONT FontHandleOf() const { return font_.Get(); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

  TControl& control_;
  HWND hwnd_ = nullptr;
  plat::UniqueFont font_;
  plat::UniqueBrush background_;
  int dpi_ = kDesignDpi;  // a top-level window's; children ask theirs
  bool redrawOff_ = false;
  bool subclassed_ = false;
};

// The window style bit that lets Tab stop at a control.
DWORD TabStopStyle(const TControl& control);

}  // namespace tk::win32

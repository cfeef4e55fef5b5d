// The controls that the program drives with a message or two: buttons, edits, pictures and
// animations.
#pragma once

#include "toolkit/win32/native/Window.h"

namespace tk::win32::native {

class Button : public Window {
 public:
  using Window::Window;
  bool Checked() const;
  void SetChecked(bool checked) const;
  // Clicks as the user does: the button tells its parent.
  void Click() const;
};

class Edit : public Window {
 public:
  using Window::Window;
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly) const;
  int Limit() const;
  // At most `characters`; 0 lifts the limit to the control's largest.
  void SetLimit(int characters) const;
};

// Static controls that show a bitmap or an icon.
class StaticImage : public Window {
 public:
  using Window::Window;
  HBITMAP Bitmap() const;
  // The control keeps using the bitmap, and does not free it.
  void SetBitmap(HBITMAP bitmap) const;
  void SetIcon(HICON icon) const;
};

// Animation controls, playing clips from a module's resources.
class Animation : public Window {
 public:
  using Window::Window;
  // The clip stays in the module's memory: close it before the module goes.
  void Open(HMODULE module, int resource) const;
  void Close() const;
  // Frames `from` to `to` (0xFFFF for the last), `repetitions` times (-1 until stopped). False
  // when the clip cannot play that range.
  bool Play(int repetitions, int from, int to) const;
  // False when no clip is open.
  bool Stop() const;
};

}  // namespace tk::win32::native

// Typed messages to native windows and controls: each wrapper holds a window handle (it owns no
// window) and turns the messages of its control into calls with UTF-8 texts, so that the peers,
// the tests and the UI driver read and write controls one way. Nothing here knows the toolkit's
// components.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tk::win32::native {

// Messages to a window of another process wait at most this long, so that a hung program cannot
// hang the one that asks.
struct TimeLimit {
  UINT milliseconds;
};

class Window {
 public:
  explicit Window(HWND hwnd) noexcept : hwnd_(hwnd) {}
  Window(HWND hwnd, TimeLimit limit) noexcept : hwnd_(hwnd), limit_(limit.milliseconds) {}

  HWND Handle() const noexcept { return hwnd_; }

  // With a time limit, a message that gets no answer in time answers 0 and Answered turns false
  // for good: what was read since then is empty.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  template <class T>
  LRESULT Send(UINT message, WPARAM wParam, T* data) const {
    return Send(message, wParam, reinterpret_cast<LPARAM>(data));
  }
  bool Answered() const noexcept { return answered_; }

  // The window's text through WM_GETTEXT, which reaches windows of other processes too.
  std::string Text() const;
  void SetText(std::string_view text) const;
  // Whether the window shows exactly `text`, compared as the window holds it (UTF-16).
  bool Shows(std::string_view text) const;
  // Writes `text` only when the window shows another: an edit loses its caret to an equal one.
  void ReplaceText(std::string_view text) const;

  std::string ClassName() const;
  // Whether the window's class is `name`, in any case (as the system matches class names).
  bool OfClass(std::wstring_view name) const;

  HFONT Font() const;
  void SetFont(HFONT font, bool redraw) const;
  void SetRedraw(bool on) const;

  DWORD Style() const;
  DWORD ExStyle() const;
  // Replaces the style bits under `mask` with `bits`. True when the style changed.
  bool ReplaceStyle(DWORD mask, DWORD bits) const;

  // The child windows, in their order on the screen (topmost first).
  std::vector<HWND> Children() const;

 private:
  std::wstring TextW() const;

  HWND hwnd_;
  UINT limit_ = 0;
  mutable bool answered_ = true;
};

}  // namespace tk::win32::native

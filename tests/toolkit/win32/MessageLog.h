// Records what a window receives, while the log lives: the wParam of each message that the filter
// accepts, in order. Replaces the window procedure, so one log per window at a time.
#pragma once

#include <windows.h>

#include <vector>

class MessageLog {
 public:
  using Filter = bool (*)(UINT message, WPARAM wParam);

  MessageLog(HWND hwnd, Filter filter) : hwnd_(hwnd), filter_(filter) {
    instance_ = this;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~MessageLog() {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    instance_ = nullptr;
  }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  const std::vector<WPARAM>& Logged() const { return logged_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (instance_->filter_(message, wParam)) instance_->logged_.push_back(wParam);
    return CallWindowProcW(instance_->previous_, hwnd, message, wParam, lParam);
  }

  static inline MessageLog* instance_ = nullptr;
  HWND hwnd_;
  Filter filter_;
  WNDPROC previous_ = nullptr;
  std::vector<WPARAM> logged_;
};

// The WM_SETREDRAW messages of a window: FALSE when its redrawing goes off, TRUE when on again.
class RedrawMessages : public MessageLog {
 public:
  explicit RedrawMessages(HWND hwnd)
      : MessageLog(hwnd, [](UINT message, WPARAM) { return message == WM_SETREDRAW; }) {}
  const std::vector<WPARAM>& Sent() const { return Logged(); }
};

// Answers a modal dialog from a helper thread: waits for the dialog with the given caption,
// notes its texts and button labels, then presses the named button.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/native/Window.h"

struct SeenDialog {
  bool found = false;
  std::vector<std::string> statics;  // texts of the static controls, icons excluded
  std::vector<std::string> buttons;  // labels in window order
  bool hasIcon = false;
};

class DialogAnswerer {
 public:
  // Pseudo-labels: press Escape in the dialog, or close it by its close box.
  static constexpr const char* kEscape = "<Escape>";
  static constexpr const char* kCloseBox = "<close box>";

  // On the helper thread, `before` runs first (to press a button that opens the dialog) and
  // `whileOpen` once the dialog is found, before it is answered.
  DialogAnswerer(std::string caption, std::string button, std::function<void()> before = {},
                 std::function<void(HWND)> whileOpen = {})
      : caption_(tk::win32::Widen(caption)), button_(std::move(button)) {
    thread_ = std::thread([this, before, whileOpen] {
      if (before) before();
      Answer(whileOpen);
    });
  }
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  ~DialogAnswerer() { Join(); }

  // Waits for the helper; what it saw is complete afterwards.
  const SeenDialog& Seen() {
    Join();
    return seen_;
  }

 private:
  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  void Answer(const std::function<void(HWND)>& whileOpen) {
    HWND dialog = nullptr;
    for (int i = 0; i < 500 && dialog == nullptr; ++i) {
      HWND found = FindWindowW(L"#32770", caption_.c_str());
      if (found != nullptr && IsWindowVisible(found)) {
        dialog = found;
      } else {
        Sleep(20);
      }
    }
    if (dialog == nullptr) return;
    seen_.found = true;
    if (whileOpen) whileOpen(dialog);
    HWND press = nullptr;
    for (HWND child : tk::win32::native::Window(dialog).Children()) {
      const tk::win32::native::Window window(child);
      const std::string text = window.Text();
      if (window.OfClass(L"Button")) {
        seen_.buttons.push_back(text);
        if (button_ == text) press = child;
      } else if (window.OfClass(L"Static")) {
        if ((window.Style() & SS_TYPEMASK) == SS_ICON) {
          seen_.hasIcon = true;
        } else {
          seen_.statics.push_back(text);
        }
      }
    }
    if (button_ == kEscape) {
      HWND focus = GetWindow(dialog, GW_CHILD);
      PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (press != nullptr) {
      PostMessageW(press, BM_CLICK, 0, 0);
    } else {
      PostMessageW(dialog, WM_CLOSE, 0, 0);
    }
  }

  std::wstring caption_;
  std::string button_;
  SeenDialog seen_;
  std::thread thread_;
};

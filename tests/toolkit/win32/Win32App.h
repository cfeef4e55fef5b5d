// A test fixture with the Win32 backend installed, and helpers that read the real windows.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/StandardClasses.h"
#include "toolkit/win32/Win32Backend.h"
#include "toolkit/win32/native/Window.h"

namespace native = tk::win32::native;

class Win32App : public ::testing::Test {
 protected:
  Win32App() {
    tk::RegisterStandardClasses();
    tk::Application().SetBackend(&backend);
    tk::Application().SetDialogs(nullptr);
    tk::Application().SetTitle("toolkit_win32_tests");
    tk::Application().ResetTerminated();
  }
  ~Win32App() override {
    tk::Application().SetMainForm(nullptr);
    tk::Application().SetBackend(nullptr);
    DrainMessages();
  }

  // A bsSingle form of the given client size at a fixed place.
  std::unique_ptr<tk::TForm> NewForm(int clientWidth = 375, int clientHeight = 231) {
    auto form = std::make_unique<tk::TForm>(nullptr);
    form->SetBorderStyle(tk::bsSingle);
    form->SetLeft(40);
    form->SetTop(30);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    form->SetColor(tk::clWhite);
    form->SetCaption("Test form");
    return form;
  }

  template <class T>
  T* NewChild(tk::TForm& form, int left, int top, int width, int height) {
    T* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
  }

  // Handles what is pending, also the quit message a closed main form leaves.
  static void DrainMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  tk::win32::Win32Backend backend;
};

// The native window of a control, or null when it has none.
inline HWND Hwnd(const tk::TControl& control) {
  return control.Peer() != nullptr ? static_cast<HWND>(control.Peer()->NativeHandle()) : nullptr;
}

// Whether the window is of the class `name`, in any case as the system matches; names the
// window's class when not.
inline ::testing::AssertionResult OfClass(HWND hwnd, const wchar_t* name) {
  const native::Window window(hwnd);
  if (window.OfClass(name)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the window's class is " << window.ClassName();
}

// The rectangle of a child window in its parent's client coordinates.
inline RECT ChildRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// What a control tells its parent when the user acts on it: WM_COMMAND with its id and `code`.
inline void NotifyParent(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
               reinterpret_cast<LPARAM>(control));
}

inline LOGFONTW FontOf(HWND hwnd) {
  LOGFONTW lf{};
  GetObjectW(native::Window(hwnd).Font(), sizeof lf, &lf);
  return lf;
}

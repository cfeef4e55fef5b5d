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
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/Win32Backend.h"

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

inline std::string WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return tk::win32::Narrow(text);
}

inline std::wstring ClassNameOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// The rectangle of a child window in its parent's client coordinates.
inline RECT ChildRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline LOGFONTW FontOf(HWND hwnd) {
  LOGFONTW lf{};
  auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  GetObjectW(font, sizeof lf, &lf);
  return lf;
}

#include "toolkit/win32/native/Window.h"

#include "platform/win32/Utf16.h"
#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (limit_ == 0) return SendMessageW(hwnd_, message, wParam, lParam);
  DWORD_PTR result = 0;
  if (!answered_ || SendMessageTimeoutW(hwnd_, message, wParam, lParam,
                                        SMTO_ABORTIFHUNG | SMTO_BLOCK, limit_, &result) == 0) {
    answered_ = false;
    return 0;
  }
  return static_cast<LRESULT>(result);
}

std::wstring Window::TextW() const {
  return detail::ReadOfLengthW(Send(WM_GETTEXTLENGTH), [this](wchar_t* buffer, int capacity) {
    return Send(WM_GETTEXT, static_cast<WPARAM>(capacity), buffer);
  });
}

std::string Window::Text() const {
  return plat::Narrow(TextW());
}

void Window::SetText(std::string_view text) const {
  SetWindowTextW(hwnd_, plat::Widen(text).c_str());
}

bool Window::Shows(std::string_view text) const {
  return TextW() == plat::Widen(text);
}

void Window::ReplaceText(std::string_view text) const {
  const std::wstring wide = plat::Widen(text);
  if (TextW() != wide) SetWindowTextW(hwnd_, wide.c_str());
}

std::string Window::ClassName() const {
  wchar_t name[256] = {};
  const int length = GetClassNameW(hwnd_, name, 256);
  return plat::Narrow(std::wstring_view(name, static_cast<std::size_t>(std::max(length, 0))));
}

bool Window::OfClass(std::wstring_view name) const {
  wchar_t own[256] = {};
  if (GetClassNameW(hwnd_, own, 256) == 0) return false;
  return lstrcmpiW(own, std::wstring(name).c_str()) == 0;
}

HFONT Window::Font() const {
  return reinterpret_cast<HFONT>(Send(WM_GETFONT));
}

void Window::SetFont(HFONT font, bool redraw) const {
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

void Window::SetRedraw(bool on) const {
  Send(WM_SETREDRAW, on ? TRUE : FALSE);
}

DWORD Window::Style() const {
  return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
}

DWORD Window::ExStyle() const {
  return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
}

bool Window::ReplaceStyle(DWORD mask, DWORD bits) const {
  const DWORD style = Style();
  const DWORD wanted = (style & ~mask) | (bits & mask);
  if (wanted == style) return false;
  SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(wanted));
  return true;
}

std::vector<HWND> Window::Children() const {
  std::vector<HWND> children;
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

}  // namespace tk::win32::native

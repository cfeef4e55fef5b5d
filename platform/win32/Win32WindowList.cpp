#include "platform/win32/Win32WindowList.h"

#include <windows.h>

#include "platform/win32/Utf16.h"

namespace plat {

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<std::string> Win32WindowList::Titles() {
  // Handles first, titles after: reading a title may let other windows come and go.
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  std::vector<std::string> titles;
  titles.reserve(windows.size());
  wchar_t buffer[256];
  for (HWND window : windows) {
    const int length = GetWindowTextW(window, buffer, 256);
    titles.push_back(length > 0 ? Narrow(std::wstring_view(buffer, length)) : std::string());
  }
  return titles;
}

}  // namespace plat

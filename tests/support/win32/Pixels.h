// The colour of one pixel: of a bitmap, or of what a window shows now.
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace testsupport {

inline COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  const plat::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const plat::UniqueSelection selected = plat::SelectInto(dc.Get(), bitmap);
  return GetPixel(dc.Get(), x, y);
}

inline COLORREF WindowPixel(HWND hwnd, int x, int y) {
  const plat::UniqueWindowDc dc = plat::WindowDcOf(hwnd);
  return GetPixel(dc.Get(), x, y);
}

}  // namespace testsupport

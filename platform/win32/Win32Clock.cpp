#include "platform/win32/Win32Clock.h"

#include <windows.h>

#include <algorithm>

namespace plat {

std::chrono::milliseconds Win32Clock::Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void Win32Clock::Wait(std::chrono::milliseconds duration) {
  // Waiting on no handles but the thread's input: a message for a window of this thread ends the
  // pause at once, so the window's owner can paint before pausing again.
  const auto ms = std::clamp<std::chrono::milliseconds::rep>(duration.count(), 0, INFINITE - 1);
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(ms), QS_ALLINPUT, 0);
}

}  // namespace plat

// Texts the system writes into a caller's buffer, read with a buffer that grows until they fit.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Utf16.h"

namespace plat {

// `ask(buffer, size)` is a W function of the common shape: it answers the text's length, the size
// it needs (terminator included) when the buffer is too small, or 0 on failure.
template <typename Ask>
std::optional<std::string> ReadSystemString(Ask ask) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ask(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) {
      buffer.resize(length);
      return Narrow(buffer);
    }
    buffer.resize(length);
  }
}

}  // namespace plat

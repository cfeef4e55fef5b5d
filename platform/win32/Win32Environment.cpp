#include "platform/win32/Win32Environment.h"

#include <windows.h>

#include "platform/win32/Utf16.h"

namespace plat {

std::optional<std::string> Win32Environment::Get(std::string_view name) {
  const std::wstring wideName = Widen(name);
  std::wstring buffer(128, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    const DWORD length =
        GetEnvironmentVariableW(wideName.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      // An empty value answers 0 too, but leaves the error unset.
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      return Narrow(buffer);
    }
    buffer.resize(length);  // the size asked for, terminator included
  }
}

}  // namespace plat

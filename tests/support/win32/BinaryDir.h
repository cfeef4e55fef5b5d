// The directory of the running test binary, ending in "\": the string libraries that a test's
// build makes lie beside it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Utf16.h"

namespace testsupport {

inline std::string BinaryDir() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path(self, length);
  return plat::Narrow(path.substr(0, path.find_last_of(L'\\') + 1));
}

}  // namespace testsupport

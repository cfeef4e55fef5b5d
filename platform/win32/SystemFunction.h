// Functions of the system's libraries that the program loads when it first needs them rather than
// at start: every library a program imports is loaded and initialised before its entry point, and
// under Wine shell32, ole32 and comdlg32 cost a start-up a sixth more than it takes without them,
// though the uninstaller needs them only after Start (the known folders) or never (file dialogs).
#pragma once

#include <windows.h>

#include <string>

namespace plat {

// `name` of the system library `library`, loaded from the system directory only (never from the
// program's own, which for the uninstaller is a temp directory anyone can write to) and kept for
// the process, as an import would be; null when either is missing. Through a plain function
// pointer, as converting between unrelated function types directly draws warnings.
template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) {
    // By its full path: LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update that Windows 7 may lack.
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
      module = LoadLibraryW((std::wstring(system, length) + L"\\" + library).c_str());
    }
  }
  const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace plat

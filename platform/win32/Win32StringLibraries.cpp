#include "platform/win32/Win32StringLibraries.h"

#include <windows.h>

#include <string>
#include <utility>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"

namespace plat {

namespace {

// String ids are 16 bits wide; the system folds larger ones back onto real blocks, which would
// keep a search through ids going for ever.
constexpr std::uint32_t kLargestId = 0xFFFF;
constexpr int kBufferChars = static_cast<int>(kMaxLibraryStringChars) + 1;

class Win32StringLibrary : public StringLibrary {
 public:
  explicit Win32StringLibrary(UniqueModule module) : module_(std::move(module)) {}

  LibraryString ReadString(std::uint32_t id) override {
    LibraryString result;
    if (id > kLargestId) {
      result.error = ERROR_RESOURCE_NAME_NOT_FOUND;
      return result;
    }
    wchar_t buffer[kBufferChars];
    SetLastError(0);
    const int copied = LoadStringW(module_.Get(), id, buffer, kBufferChars);
    result.error = GetLastError();
    result.length = copied;
    if (copied > 0)
      result.text = Narrow(std::wstring_view(buffer, static_cast<std::size_t>(copied)));
    return result;
  }

 private:
  UniqueModule module_;
};

// The absolute path, so that a relative name means the current directory, as the existence test
// before loading takes it, and not a file found elsewhere along the library search path.
std::wstring FullPath(std::string_view path) {
  const std::wstring wide = Widen(path);
  if (wide.empty()) return {};
  const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  return full;
}

}  // namespace

std::unique_ptr<StringLibrary> Win32StringLibraries::Load(std::string_view path) {
  const std::wstring full = FullPath(path);
  if (full.empty()) return nullptr;
  UniqueModule module(LoadLibraryExW(full.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!module) return nullptr;
  return std::make_unique<Win32StringLibrary>(std::move(module));
}

}  // namespace plat
